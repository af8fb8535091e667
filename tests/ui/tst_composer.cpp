// The input bar every text with a send shares: trimming, the limit with the screen's
// own refusal, one send while the screen's is out, the text kept when it fails, the
// reply mode and its exits, and edits of emoji that share a high surrogate.

#include "ClientTestContext.h"
#include "platform/AlertPresenter.h"
#include "ui/Composer.h"
#include "ui/EmojiMapping.h"

#include <QSignalSpy>
#include <QTest>

namespace {

QString pua(char16_t code)
{
    return QString(QChar(code));
}

// A composer whose screen records every draft it is handed and answers later.
struct Harness {
    ClientTestContext test;
    Composer composer{test.context(), nullptr};
    QList<Composer::Draft> drafts;

    Harness()
    {
        composer.setSend([this](const Composer::Draft &draft) { drafts.append(draft); });
    }
};

} // namespace

class tst_Composer : public QObject {
    Q_OBJECT
private slots:
    void sendsOnceAndKeepsTheTextUntilItWent()
    {
        Harness harness;
        Composer &composer = harness.composer;
        composer.setLimit(5, QStringLiteral("无法发表"),
                          [](qsizetype over) { return QStringLiteral("超出%1字").arg(over); });
        AlertPresenter &alerts = harness.test.context().alerts();

        // Blanks and line breaks alone are nothing to send.
        composer.textEdited(QStringLiteral(" \n "));
        composer.send();
        QVERIFY(harness.drafts.isEmpty());

        // Over the limit, counted after trimming: the screen's refusal, the text stays.
        composer.textEdited(QStringLiteral(" 一二三四五六 "));
        composer.send();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("无法发表"));
        QCOMPARE(alerts.alertMessage(), QStringLiteral("超出1字"));
        alerts.answer(0);
        QVERIFY(harness.drafts.isEmpty());
        QCOMPARE(composer.text(), QStringLiteral(" 一二三四五六 "));

        // Exactly at the limit it goes, trimmed; a second send waits for the first.
        composer.textEdited(QStringLiteral(" 一二三四五\n"));
        QSignalSpy busy(&composer, &Composer::busyChanged);
        composer.send();
        composer.emojiViewShouldSend();
        QCOMPARE(harness.drafts.size(), 1);
        QCOMPARE(harness.drafts[0].content(), QStringLiteral("一二三四五"));
        QVERIFY(composer.isBusy());

        // It failed: the text stays for another try, which may go.
        composer.sendFailed();
        QVERIFY(!composer.isBusy());
        QCOMPARE(composer.text(), QStringLiteral(" 一二三四五\n"));
        composer.send();
        QCOMPARE(harness.drafts.size(), 2);
        composer.sendSucceeded();
        QVERIFY(composer.text().isEmpty());
        QCOMPARE(busy.count(), 4);
        QCOMPARE(alerts.alertCount(), 0);

        // A screen that sends exactly as typed (the chat) still sends no blank bubble.
        composer.setTrimsText(false);
        composer.textEdited(QStringLiteral("\n \u3000"));
        composer.send();
        QCOMPARE(harness.drafts.size(), 2);
        composer.textEdited(QStringLiteral(" 好\n"));
        composer.send();
        QCOMPARE(harness.drafts.last().content(), QStringLiteral(" 好\n"));
    }

    void replyModeAnswersOnePersonUntilLeft()
    {
        Harness harness;
        Composer &composer = harness.composer;
        QSignalSpy focused(&composer, &Composer::inputFocusRequested);
        composer.enterReply({QStringLiteral("Ann"), QStringLiteral("42")});
        QVERIFY(composer.isReplying());
        QCOMPARE(composer.replyTip(), QStringLiteral("回复Ann: "));
        QCOMPARE(focused.count(), 1);

        composer.textEdited(QStringLiteral(" hi"));
        composer.send();
        QCOMPARE(harness.drafts.size(), 1);
        QCOMPARE(harness.drafts[0].content(), QStringLiteral("回复Ann: hi"));
        QCOMPARE(harness.drafts[0].reply->id, QStringLiteral("42"));
        // A failed reply keeps both the text and whom it answers.
        composer.sendFailed();
        QVERIFY(composer.isReplying());
        QCOMPARE(composer.text(), QStringLiteral(" hi"));
        composer.sendSucceeded();
        QVERIFY(!composer.isReplying());
        QVERIFY(composer.replyTip().isEmpty());

        // Deleting the leading blank leaves reply mode and keeps what was typed.
        composer.enterReply({QStringLiteral("Bo"), QStringLiteral("7")});
        composer.textEdited(QStringLiteral(" ok"));
        composer.textEdited(QStringLiteral("ok"));
        QVERIFY(!composer.isReplying());
        composer.send();
        QCOMPARE(harness.drafts.last().content(), QStringLiteral("ok"));
        QVERIFY(!harness.drafts.last().reply);
        composer.sendSucceeded();

        // What was typed before a row was tapped stays after the blank.
        composer.textEdited(QStringLiteral("ok"));
        composer.enterReply({QStringLiteral("Bo"), QStringLiteral("7")});
        QCOMPARE(composer.text(), QStringLiteral(" ok"));
        composer.cancelReply();
        composer.textEdited(QString());

        // So do clearing the line and the cancel.
        composer.enterReply({QStringLiteral("Bo"), QStringLiteral("7")});
        composer.emojiViewShouldDelete();
        QVERIFY(!composer.isReplying());
        composer.enterReply({QStringLiteral("Bo"), QStringLiteral("7")});
        composer.cancelReply();
        QVERIFY(!composer.isReplying());
    }

    void anEditBesideAnEmojiKeepsTheOtherOnesCharacter()
    {
        Harness harness;
        Composer &composer = harness.composer;
        composer.pickEmoji();
        // Both shown as emoji that share their high surrogate.
        composer.emojiView()->selectKey(0);
        composer.emojiView()->selectKey(1);
        QCOMPARE(composer.textToSend(), pua(0xE415) + pua(0xE056));
        const QString smile = EmojiMapping::displayText(pua(0xE415));
        const QString blush = EmojiMapping::displayText(pua(0xE056));
        QCOMPARE(smile.at(0), blush.at(0));

        // Backspace with the cursor between them.
        composer.textEdited(blush);
        QCOMPARE(composer.textToSend(), pua(0xE056));
        composer.send();
        QCOMPARE(harness.drafts.size(), 1);
        QCOMPARE(harness.drafts[0].content(), pua(0xE056));

        // And the one after the cursor removed by Delete.
        composer.sendSucceeded();
        composer.emojiView()->selectKey(0);
        composer.emojiView()->selectKey(1);
        composer.textEdited(smile);
        QCOMPARE(composer.textToSend(), pua(0xE415));
    }
};

QTEST_MAIN(tst_Composer)
#include "tst_composer.moc"
