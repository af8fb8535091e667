// The emoji keyboard: its keys and pages, each key's character shown as the standard
// emoji Unicode maps it to, and the input line that keeps the characters while it
// shows the emoji and takes the user's edits.

#include "ui/EmojiInputText.h"
#include "ui/EmojiMapping.h"
#include "ui/EmojiView.h"

#include <QSet>
#include <QTest>

namespace {

QString pua(char16_t code)
{
    return QString(QChar(code));
}

// Records what the keyboard asked for.
class Recorder : public EmojiViewDelegate {
public:
    void emojiViewDidSelect(const QString &emoji) override { calls << "select " + emoji; }
    void emojiViewShouldDelete() override { calls << "delete"; }
    void emojiViewShouldSend() override { calls << "send"; }
    QStringList calls;
};

} // namespace

class TestEmoji : public QObject {
    Q_OBJECT
private slots:
    void everyKeyStandsForOneStandardEmoji()
    {
        QSet<uint> seen;
        for (char16_t key : EmojiView::emoji()) {
            const QString shown = EmojiMapping::standardEmoji(QChar(key));
            const QList<uint> codes = shown.toUcs4();
            QVERIFY2(codes.size() == 1, qPrintable(QString::number(key, 16)));
            // Outside the private-use area, and an emoji of its own.
            QVERIFY(codes[0] < 0xE000 || codes[0] > 0xF8FF);
            QVERIFY(codes[0] >= 0x2000);
            QVERIFY2(!seen.contains(codes[0]), qPrintable(QString::number(key, 16)));
            seen.insert(codes[0]);
        }
        QCOMPARE(seen.size(), 112);
        // A few everyone knows.
        QCOMPARE(EmojiMapping::standardEmoji(QChar(0xE415)), QString::fromUcs4(U"\U0001F604"));
        QCOMPARE(EmojiMapping::standardEmoji(QChar(0xE022)), QString::fromUcs4(U"\u2764"));
        QCOMPARE(EmojiMapping::standardEmoji(QChar(0xE13C)), QString::fromUcs4(U"\U0001F4A4"));
    }

    void shownTextReplacesOnlyMappedCharacters()
    {
        const QString text = QStringLiteral("今晚") + pua(0xE415) + "it's" + pua(0xE000)
                             + QString::fromUcs4(U"\U0001F600") + "\n" + pua(0xE056);
        QCOMPARE(EmojiMapping::displayText(text),
                 QStringLiteral("今晚") + QString::fromUcs4(U"\U0001F604") + "it's" + pua(0xE000)
                     + QString::fromUcs4(U"\U0001F600") + "\n" + QString::fromUcs4(U"\U0001F60A"));
        QVERIFY(EmojiMapping::standardEmoji(QChar(u'a')).isEmpty());
    }

    void keysSitOnFourPagesOfSevenByFour()
    {
        QCOMPARE(EmojiView::keyFrame(0, 0), QRectF(2.5, 0, 45, 43));
        QCOMPARE(EmojiView::keyFrame(0, 27), QRectF(6 * 45 + 2.5, 3 * 43, 45, 43));
        QCOMPARE(EmojiView::keyFrame(3, 8), QRectF(45 + 2.5 + 960, 43, 45, 43));
        Recorder recorder;
        EmojiView view(&recorder);
        const QVariantList keys = view.keys();
        QCOMPARE(keys.size(), 112);
        QCOMPARE(keys[29].toMap().value("frame").toRectF(), EmojiView::keyFrame(1, 1));
        QCOMPARE(keys[29].toMap().value("title").toString(), pua(0xE416));
        QCOMPARE(keys[29].toMap().value("shown").toString(),
                 EmojiMapping::displayText(pua(0xE416)));

        // The indicator follows the scrolled offset, page by whole page.
        view.setContentOffsetX(319);
        QCOMPARE(view.currentPage(), 0);
        view.setContentOffsetX(320);
        QCOMPARE(view.currentPage(), 1);
        view.setContentOffsetX(959.5);
        QCOMPARE(view.currentPage(), 2);

        view.selectKey(111);
        view.selectKey(112);
        view.deleteKey();
        view.sendKey();
        QCOMPARE(recorder.calls, (QStringList{"select " + pua(0xE41A), "delete", "send"}));
    }

    void deletingRemovesWholeCharacters()
    {
        EmojiInputText input;
        input.removeLastCharacter();
        QVERIFY(input.isEmpty());
        input.setText(QStringLiteral("好") + QString::fromUcs4(U"\U0001F600") + pua(0xE415));
        input.removeLastCharacter();
        QCOMPARE(input.text(), QStringLiteral("好") + QString::fromUcs4(U"\U0001F600"));
        input.removeLastCharacter();
        QCOMPARE(input.text(), QStringLiteral("好"));
        input.removeLastCharacter();
        QVERIFY(input.isEmpty());
        QVERIFY(input.displayText().isEmpty());
    }

    void editsOfTheShownTextKeepTheKeyboardsCharacters()
    {
        const QString smile = QString::fromUcs4(U"\U0001F604");
        EmojiInputText input;
        input.append("a");
        input.append(pua(0xE415));
        QCOMPARE(input.displayText(), "a" + smile);

        // Typed after the emoji.
        input.applyDisplayEdit("a" + smile + "b");
        QCOMPARE(input.text(), "a" + pua(0xE415) + "b");
        // Typed before it.
        input.applyDisplayEdit("xa" + smile + "b");
        QCOMPARE(input.text(), "xa" + pua(0xE415) + "b");
        // A standard emoji typed by hand stays as typed, even the same one.
        input.applyDisplayEdit("xa" + smile + smile + "b");
        QCOMPARE(input.text(), "xa" + pua(0xE415) + smile + "b");
        // Backspace removes the emoji before the cursor, whichever kind it is.
        input.applyDisplayEdit("xa" + smile + "b");
        QCOMPARE(input.text(), "xa" + pua(0xE415) + "b");
        input.applyDisplayEdit("xab");
        QCOMPARE(input.text(), QString("xab"));
        // Half an emoji left behind is no emoji of the keyboard any more.
        input.setText(pua(0xE415));
        input.applyDisplayEdit(smile.left(1));
        QCOMPARE(input.text(), smile.left(1));
        // Everything selected and replaced.
        input.setText(pua(0xE415) + "abc" + pua(0xE056));
        input.applyDisplayEdit(QStringLiteral("新"));
        QCOMPARE(input.text(), QStringLiteral("新"));
    }
};

QTEST_GUILESS_MAIN(TestEmoji)
#include "tst_emoji.moc"
