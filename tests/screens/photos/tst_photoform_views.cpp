// The photo and mood forms in the real window with real keys and clicks: Return in the
// caption uploads without breaking the line, and Return pressed on the success alert
// uploads nothing more; the emoji keyboard slides up over the form, its keys append and
// delete, its send key posts, and the keyboard button brings the text view back.

#include "../../qml/VenueViewHarness.h"
#include "TestPhotos.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/photos/MoodPostViewController.h"
#include "screens/photos/PictureUploadViewController.h"
#include "ui/EmojiView.h"

#include <QFile>
#include <QTemporaryDir>

namespace {
const QString kSmile = QString(QChar(0xE415));
} // namespace

class tst_PhotoFormViews : public QObject, public VenueViewHarness {
    Q_OBJECT
private slots:
    void initTestCase() { AppShell::applyFont(); }
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }

    void returnOnTheSuccessAlertUploadsNothingMore()
    {
        ScriptedReply ok = ScriptedReply::json(R"({"status":1,"message":"照片上传成功"})");
        ok.delayMs = 100;
        test().reply(PictureUploadViewController::kScript, ok);
        auto *screen = new PictureUploadViewController(test().context());
        show(screen);
        AlertPresenter &alerts = test()->alerts();
        QTRY_VERIFY(alerts.isActionSheet());
        alerts.answer(1);
        QTemporaryDir dir;
        QFile file(dir.filePath("camera.jpg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(TestPhotos::sidewaysJpeg(QSize(300, 400)));
        file.close();
        screen->imagePicker()->chooseFile(QUrl::fromLocalFile(file.fileName()));
        QTRY_VERIFY(screen->hasPhoto());
        QTRY_VERIFY(named("photoPreview"));
        // The caption takes the keys once the photo is there.
        QQuickItem *field = named("composerField");
        QVERIFY(field);
        QTRY_VERIFY(field->hasActiveFocus());
        screenshot(QStringLiteral("PictureUploadView-photo"));
        type(QStringLiteral("外滩"));
        QTest::keyClick(window_, Qt::Key_Return);
        QVERIFY(test().api().waitForRequests(1));
        QCOMPARE(screen->composer()->textToSend(), QStringLiteral("外滩"));
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("上传成功！"));
        screenshot(QStringLiteral("PictureUploadView-uploaded"));

        QTest::keyClick(window_, Qt::Key_Return);
        QTest::keyClick(window_, Qt::Key_Enter);
        QVERIFY(!test().api().waitForRequests(2, 300));
        QCOMPARE(test().requestsTo(PictureUploadViewController::kScript), 1);
        QCOMPARE(alerts.alertCount(), 1);
        QCOMPARE(alerts.alertTitle(), QStringLiteral("上传成功！"));
        QVERIFY(click(labelled(QStringLiteral("返回"))));
        QTRY_COMPARE(test()->navigation().topViewController(), below_);
    }

    void emojiKeyboardTypesDeletesAndPosts()
    {
        test().reply(MoodPostViewController::kScript,
                     ScriptedReply::json(R"({"status":1,"message":"心情发表成功"})"));
        auto *screen = new MoodPostViewController(test().context());
        show(screen);
        QQuickItem *field = named("composerField");
        QVERIFY(field);
        QTRY_VERIFY(field->hasActiveFocus());

        QVERIFY(click(named("emojiButton")));
        QTRY_VERIFY(screen->composer()->emojiView());
        QQuickItem *keyboard = named("emojiKeyboard");
        QVERIFY(keyboard);
        QTRY_COMPARE(keyboard->y(), 416.0 - EmojiView::kHeight);
        QVERIFY(!field->hasActiveFocus());
        const auto key = [&](int index) {
            return keyboard->mapToScene(EmojiView::keyFrame(0, index).center()).toPoint();
        };
        QTest::mouseClick(window_, Qt::LeftButton, {}, key(0));
        QTest::mouseClick(window_, Qt::LeftButton, {}, key(0));
        QCOMPARE(screen->composer()->textToSend(), kSmile + kSmile);
        QVERIFY(click(named("emojiDeleteKey")));
        QCOMPARE(screen->composer()->textToSend(), kSmile);
        QCOMPARE(field->property("text").toString(), screen->composer()->text());
        screenshot(QStringLiteral("MoodPostView-emoji-keyboard"));

        // Back to the text view: the keyboard slides down.
        QVERIFY(click(named("keyboardButton")));
        QTRY_COMPARE(keyboard->y(), 416.0);
        QTRY_VERIFY(field->hasActiveFocus());
        QVERIFY(click(named("emojiButton")));
        QTRY_COMPARE(keyboard->y(), 416.0 - EmojiView::kHeight);
        QVERIFY(click(named("emojiSendKey")));
        QTRY_COMPARE(test()->alerts().alertTitle(), QStringLiteral("心情发表成功"));
        QCOMPARE(test().lastFormOf(MoodPostViewController::kScript),
                 (QList<QPair<QString, QString>>{{"content", kSmile}, {"isremark", "0"}}));
    }

private:
    void show(ViewController *screen)
    {
        below_ = new ViewController(test().context());
        test()->navigation().setViewControllers({below_, screen}, false);
        QVERIFY(client_->phone().waitUntilIdle());
    }
    void type(const QString &text)
    {
        for (QChar character : text)
            QTest::sendKeyEvent(QTest::Click, window_, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }

    ViewController *below_ = nullptr;
};

QTEST_MAIN(tst_PhotoFormViews)
#include "tst_photoform_views.moc"
