// The photo and mood forms against a scripted API: the upload's source sheet, its fields on
// the wire and the album told, the caption's limit, an upload without a photo asking for
// one, one upload per tap, a question before leaving a running upload; the mood post's
// refusals and its success; a comment form's request, sent as typed, and its failure
// keeping the text.

#include "ClientTestContext.h"
#include "FormParser.h"
#include "TestPhotos.h"
#include "model/Mood.h"
#include "model/Picture.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/photos/MoodCommentCommitViewController.h"
#include "screens/photos/MoodPostViewController.h"
#include "screens/photos/PictureCommentCommitViewController.h"
#include "screens/photos/PictureUploadViewController.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using Form = QList<QPair<QString, QString>>;

namespace {

const QStringList kSourceSheet{"拍照上传", "从相册选择", "取消"};

QByteArray partOf(const RecordedRequest &request, const QByteArray &name)
{
    return FormParser::partOf(request.header("Content-Type"), request.body, name);
}

User owner()
{
    User user;
    user.userId = 67;
    user.nickname = QStringLiteral("相册达人Ava");
    user.avatar = QStringLiteral("http://127.0.0.1:9/avatars/67.jpg!100");
    return user;
}

} // namespace

class PhotoFormsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        test_ = std::make_unique<ClientTestContext>();
        below_ = new ViewController(context());
        context().navigation().setViewControllers({below_}, false);
    }
    void cleanup() { test_.reset(); }

    void uploadSendsItsFieldsAndTellsTheAlbum()
    {
        ScriptedReply ok = ScriptedReply::json(R"({"status":1,"message":"照片上传成功"})");
        ok.delayMs = 150;
        test_->reply(PictureUploadViewController::kScript, ok);
        int announced = 0;
        QObject observer;
        context().notifications().addObserver(&observer, NotificationNames::pictureUploaded,
                                              [&](const QVariant &) { ++announced; });
        auto *screen = show<PictureUploadViewController>();
        AlertPresenter &alerts = context().alerts();
        // Comments open unless turned off; the box toggles.
        QCOMPARE(screen->allowComment(), 0);
        screen->checkBoxTapped();
        QCOMPARE(screen->allowComment(), 1);
        QCOMPARE(screen->checkBoxImage(), QStringLiteral("albums-checkbox-n.png"));

        // The camera is unavailable here: the sheet comes back.
        QVERIFY(alerts.isActionSheet());
        QCOMPARE(alerts.alertButtons(), kSourceSheet);
        alerts.answer(0);
        QVERIFY(alerts.isActionSheet());
        QVERIFY(pick(screen, TestPhotos::sidewaysJpeg(QSize(400, 800))));
        QCOMPARE(screen->previewSize(), QSizeF(70, 140));

        screen->composer()->textEdited(QStringLiteral("  外滩夜景\n "));
        screen->composer()->send();
        QVERIFY(screen->request()->busy());
        // The screen stays usable while its photo goes out; a second tap sends nothing.
        QVERIFY(!screen->busy());
        screen->composer()->send();
        QCOMPARE(ClientTestContext::requestsInFlight(*screen), 1);
        QTRY_VERIFY(!screen->request()->busy());
        QCOMPARE(test_->requestsTo(PictureUploadViewController::kScript), 1);
        const RecordedRequest &sent = test_->api().requests().last();
        QCOMPARE(partOf(sent, "text"), QByteArray("外滩夜景"));
        QCOMPARE(partOf(sent, "isremark"), QByteArray("1"));
        const QImage photo = QImage::fromData(partOf(sent, "img"), "JPEG");
        QCOMPARE(photo.size(), QSize(600, 1200));
        QVERIFY(TestPhotos::isUpright(photo));
        QCOMPARE(announced, 1);

        // Another photo: the form emptied, the sheet again.
        QCOMPARE(alerts.alertTitle(), QStringLiteral("上传成功！"));
        QCOMPARE(alerts.alertMessage(),
                 QStringLiteral("你的照片已成功上传，是否继续上传新的照片？"));
        QCOMPARE(alerts.alertButtons(), (QStringList{"返回", "上传新的照片"}));
        alerts.answer(1);
        QVERIFY(!screen->hasPhoto());
        QCOMPARE(screen->composer()->text(), QString());
        QCOMPARE(alerts.alertButtons(), kSourceSheet);
        // Cancelling the sheet closes the form.
        alerts.answer(2);
        QCOMPARE(context().navigation().topViewController(), below_);
    }

    void captionLimitMissingPhotoAndFailure()
    {
        context().settings().setString(SettingsKeys::allowPictureComment, QStringLiteral("NO"));
        auto *screen = show<PictureUploadViewController>();
        AlertPresenter &alerts = context().alerts();
        QCOMPARE(screen->allowComment(), 1);
        // Cancelling the sheet, or the picker, closes the form.
        alerts.answer(2);
        QCOMPARE(context().navigation().topViewController(), below_);
        screen = show<PictureUploadViewController>();
        alerts.answer(1);
        screen->imagePicker()->cancel();
        QCOMPARE(context().navigation().topViewController(), below_);

        // A file that is no picture leaves the form without a photo; a send asks for one.
        screen = show<PictureUploadViewController>();
        alerts.answer(1);
        screen->imagePicker()->chooseFile(write("not a picture"));
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("无法读取这张图片"));
        alerts.answer(0);
        screen->composer()->textEdited(QStringLiteral("夜"));
        screen->composer()->send();
        QCOMPARE(alerts.alertButtons(), kSourceSheet);
        QVERIFY(!screen->composer()->isBusy());
        QVERIFY(pick(screen, TestPhotos::sidewaysJpeg(QSize(300, 200))));

        // 141 units once trimmed: refused with the excess, the text kept.
        const QString tooLong = QStringLiteral(" ") + QString(141, QChar(u'夜')) + "\n";
        screen->composer()->textEdited(tooLong);
        screen->composer()->send();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("无法发表"));
        QCOMPARE(alerts.alertMessage(), QStringLiteral("最多140字，你已超出1字"));
        alerts.answer(0);
        QCOMPARE(test_->requestsTo(PictureUploadViewController::kScript), 0);

        // The server's refusal keeps caption, photo and check box.
        test_->reply(PictureUploadViewController::kScript,
                     ScriptedReply::json(R"({"status":0,"message":"照片不是有效的图片"})"));
        screen->composer()->textEdited(QStringLiteral("外滩"));
        screen->composer()->send();
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("照片不是有效的图片"));
        alerts.answer(0);
        QCOMPARE(screen->composer()->text(), QStringLiteral("外滩"));
        QVERIFY(screen->hasPhoto());
        QCOMPARE(screen->allowComment(), 1);
        QVERIFY(!screen->composer()->isBusy());
    }

    void leavingARunningUploadAsksFirst()
    {
        ScriptedReply silent;
        silent.neverAnswer = true;
        test_->reply(PictureUploadViewController::kScript, silent);
        auto *screen = show<PictureUploadViewController>();
        AlertPresenter &alerts = context().alerts();
        alerts.answer(1);
        QVERIFY(pick(screen, TestPhotos::sidewaysJpeg(QSize(200, 200))));
        screen->composer()->send();
        QVERIFY(test_->api().waitForRequests(1));

        screen->goBack();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("正在上传照片"));
        QCOMPARE(alerts.alertMessage(),
                 QStringLiteral("现在返回可能会无法完成上传，是否确定返回？"));
        QCOMPARE(alerts.alertButtons(), (QStringList{"取消", "确定"}));
        alerts.answer(0);
        QCOMPARE(context().navigation().topViewController(), screen);
        QVERIFY(screen->request()->busy());
        screen->goBack();
        alerts.answer(1);
        QCOMPARE(context().navigation().topViewController(), below_);
        QCOMPARE(ClientTestContext::requestsInFlight(*screen), 0);

        // Without an upload, back at once.
        screen = show<PictureUploadViewController>();
        alerts.answer(1);
        screen->imagePicker()->cancel();
        screen = show<PictureUploadViewController>();
        screen->goBack();
        QCOMPARE(context().navigation().topViewController(), below_);
    }

    void moodPostRefusesThenPosts()
    {
        context().settings().setString(SettingsKeys::allowMoodComment, QStringLiteral("NO"));
        ScriptedReply ok = ScriptedReply::json(R"({"status":1,"message":"心情发表成功"})");
        ok.delayMs = 100;
        test_->reply(MoodPostViewController::kScript, ok);
        int announced = 0;
        QObject observer;
        context().notifications().addObserver(&observer, NotificationNames::moodPosted,
                                              [&](const QVariant &) { ++announced; });
        auto *screen = show<MoodPostViewController>();
        AlertPresenter &alerts = context().alerts();
        QCOMPARE(screen->allowComment(), 1);

        screen->composer()->textEdited(QStringLiteral(" \n\u3000"));
        screen->composer()->send();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("至少说点什么吧！"));
        alerts.answer(0);
        screen->composer()->textEdited(QString(163, QChar(u'嗨')));
        screen->composer()->send();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("无法发表"));
        QCOMPARE(alerts.alertMessage(), QStringLiteral("最多160字，你已超出3字"));
        alerts.answer(0);
        QCOMPARE(test_->requestsTo(MoodPostViewController::kScript), 0);

        screen->checkBoxTapped();
        screen->composer()->textEdited(QStringLiteral("\n今晚去蹦迪 "));
        screen->composer()->send();
        screen->composer()->send();
        QVERIFY(screen->busy());
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("心情发表成功"));
        QCOMPARE(test_->requestsTo(MoodPostViewController::kScript), 1);
        QCOMPARE(test_->lastFormOf(MoodPostViewController::kScript),
                 (Form{{"content", "今晚去蹦迪"}, {"isremark", "0"}}));
        QCOMPARE(announced, 1);
        QCOMPARE(alerts.alertButtons(), QStringList{"确定"});
        alerts.answer(0);
        QCOMPARE(context().navigation().topViewController(), below_);
    }

    void commentFormsSendAsTypedAndKeepTheTextOnFailure()
    {
        Picture picture;
        picture.pid = QStringLiteral("88");
        picture.text = QStringLiteral("外滩的夜");
        picture.time = QStringLiteral("2012-06-01 23:10");
        auto *photo = new PictureCommentCommitViewController(context(), owner(), picture);
        context().navigation().pushViewController(photo, false);
        QCOMPARE(photo->viewName(), QStringLiteral("CommentCommitView"));
        QCOMPARE(photo->title(), QStringLiteral("评论相册达人Ava的照片"));
        QCOMPARE(photo->timeLine(), QStringLiteral("相册达人Ava, 2012-06-01 23:10"));
        QCOMPARE(photo->content(), QStringLiteral("发表了照片\"外滩的夜\""));
        QCOMPARE(photo->avatar(), owner().avatar);

        // Blanks alone go nowhere; a comment goes as typed.
        photo->composer()->textEdited(QStringLiteral("  \n"));
        photo->composer()->send();
        QCOMPARE(ClientTestContext::requestsInFlight(*photo), 0);
        test_->reply(PictureCommentCommitViewController::kScript,
                     ScriptedReply::json(R"({"status":0,"message":"照片主人关闭了评论"})"));
        photo->composer()->textEdited(QStringLiteral(" 好美 "));
        photo->composer()->send();
        photo->composer()->send();
        AlertPresenter &alerts = context().alerts();
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("照片主人关闭了评论"));
        QCOMPARE(test_->requestsTo(PictureCommentCommitViewController::kScript), 1);
        QCOMPARE(test_->lastFormOf(PictureCommentCommitViewController::kScript),
                 (Form{{"content", " 好美 "}, {"pid", "88"}, {"reply", "0"}}));
        alerts.answer(0);
        QCOMPARE(photo->composer()->text(), QStringLiteral(" 好美 "));
        QCOMPARE(context().navigation().topViewController(), photo);

        Mood mood;
        mood.moodid = QStringLiteral("501");
        mood.content = QStringLiteral("新拍的一组外滩夜景");
        mood.time = QStringLiteral("06-02 01:00");
        auto *comment = new MoodCommentCommitViewController(context(), owner(), mood);
        context().navigation().pushViewController(comment, false);
        QCOMPARE(comment->title(), QStringLiteral("评论相册达人Ava的心情"));
        QCOMPARE(comment->content(), mood.content);
        test_->reply(MoodCommentCommitViewController::kScript,
                     ScriptedReply::json(R"({"status":1,"message":"评论成功"})"));
        comment->composer()->textEdited(QStringLiteral("同去"));
        comment->composer()->send();
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("评论成功"));
        QCOMPARE(test_->lastFormOf(MoodCommentCommitViewController::kScript),
                 (Form{{"content", "同去"}, {"mid", "501"}, {"reply", "0"}}));
        QCOMPARE(alerts.alertButtons(), QStringList{"确定"});
        alerts.answer(0);
        QCOMPARE(context().navigation().topViewController(), photo);
    }

private:
    AppContext &context() { return test_->context(); }

    template <class Screen> Screen *show()
    {
        auto *screen = new Screen(context());
        context().navigation().pushViewController(screen, false);
        return screen;
    }

    QUrl write(const QByteArray &bytes)
    {
        QFile file(dir_.filePath(QStringLiteral("picked%1.jpg").arg(++picks_)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return QUrl::fromLocalFile(file.fileName());
    }

    // Chooses `jpeg` from the library through the sheet, and waits for the prepared photo
    // (the screen busy meanwhile); false when that did not happen.
    bool pick(PictureUploadViewController *screen, const QByteArray &jpeg)
    {
        AlertPresenter &alerts = context().alerts();
        if (alerts.isActionSheet())
            alerts.answer(1);
        if (!screen->imagePicker()->isChoosingFile())
            return false;
        screen->imagePicker()->chooseFile(write(jpeg));
        return screen->busy() && QTest::qWaitFor([&] { return screen->hasPhoto(); })
               && !screen->busy();
    }

    std::unique_ptr<ClientTestContext> test_;
    ViewController *below_ = nullptr;
    QTemporaryDir dir_;
    int picks_ = 0;
};

QTEST_MAIN(PhotoFormsTest)
#include "tst_photoforms.moc"
