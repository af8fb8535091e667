// Photos and moods against the stand-in server with the real router: the demo's home
// page, its album page by page, a photo page with likes, comments, a reply, a deleted
// comment and a report the server received; a mood page with a comment and the mood's
// deletion; a camera's sideways photo uploaded from the album, back in it upright.

#include "ApiTestClient.h"
#include "DemoSignIn.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "TestPhotos.h"
#include "model/Comment.h"
#include "model/Mood.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/people/UserHomeViewController.h"
#include "screens/photos/AlbumsViewController.h"
#include "screens/photos/MoodCommentViewController.h"
#include "screens/photos/PictureCommentViewController.h"
#include "screens/photos/PictureUploadViewController.h"
#include "ui/Router.h"
#include "ui/SDWebImageManager.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kTimeoutMs = 15000;
// Seeded: the demo's photo with 36 comments and its mood with 22.
const QString kBusyPhoto = QStringLiteral("69");
const QString kBusyMood = QStringLiteral("10");
} // namespace

class tst_PhotosE2e : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void albumPhotoPageAndComments();
    void moodPageCommentAndDeletion();
    void uploadReachesTheAlbumUpright();

private:
    template <class Screen> Screen *top()
    {
        return qobject_cast<Screen *>(test_->context().navigation().topViewController());
    }
    AlertPresenter &alerts() { return test_->context().alerts(); }
    // Answers the alert titled `title` with its button `index`.
    void answer(const QString &title, int index = 0)
    {
        QTRY_COMPARE_WITH_TIMEOUT(alerts().alertTitle(), title, kTimeoutMs);
        alerts().answer(index);
    }
    QList<Comment> comments(CommentPageViewController *page) const
    {
        QList<Comment> rows;
        for (const QVariant &row : page->records()->records())
            rows << row.value<Comment>();
        return rows;
    }

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
    std::unique_ptr<ApiTestClient> api_;
    User demo_;
};

void tst_PhotosE2e::initTestCase()
{
    QVERIFY2(server_.start(), qPrintable(server_.errorString()));
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    AppContext &context = test_->context();
    api_ = std::make_unique<ApiTestClient>(server_.webHost());
    const ApiReply reply = DemoSignIn::signIn(server_, context, *api_);
    QVERIFY2(reply.status() == 1, qPrintable(reply.message()));
    demo_ = *context.session().defaultUser();
    SDWebImageManager::install(context);
}

void tst_PhotosE2e::albumPhotoPageAndComments()
{
    AppContext &context = test_->context();
    context.router().openUserHome(demo_);
    auto *home = top<UserHomeViewController>();
    QVERIFY(home);
    QTRY_VERIFY_WITH_TIMEOUT(!home->photos().isEmpty(), kTimeoutMs);
    home->gotoAlbums();
    auto *album = top<AlbumsViewController>();
    QVERIFY(album);
    QVERIFY(album->canUpload());
    QTRY_COMPARE_WITH_TIMEOUT(album->records()->count(), 18, kTimeoutMs);
    album->loadMore();
    QTRY_COMPARE_WITH_TIMEOUT(album->records()->count(), 36, kTimeoutMs);

    int busyIndex = -1;
    for (int i = 0; i < album->records()->count(); ++i) {
        if (album->records()->recordAt<Picture>(i)->pid == kBusyPhoto)
            busyIndex = i;
    }
    QVERIFY(busyIndex >= 0);
    album->pictureTapped(busyIndex / 3, busyIndex % 3);
    auto *page = top<PictureCommentViewController>();
    QVERIFY(page);
    QVERIFY(page->isOwnItem());
    QTRY_COMPARE_WITH_TIMEOUT(page->records()->count(), 15, kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(page->imageHeight() > 0, kTimeoutMs);
    page->loadMore();
    QTRY_COMPARE_WITH_TIMEOUT(page->records()->count(), 30, kTimeoutMs);

    // Like and unlike: the album's record follows both.
    const int likes = page->picture().zanCount;
    const bool liked = page->picture().iszan == 1;
    liked ? page->cancelZan() : page->zan();
    QTRY_COMPARE_WITH_TIMEOUT(page->picture().iszan == 1, !liked, kTimeoutMs);
    QCOMPARE(album->records()->recordAt<Picture>(busyIndex)->iszan == 1, !liked);
    QTRY_VERIFY_WITH_TIMEOUT(!page->isActing(), kTimeoutMs);
    liked ? page->zan() : page->cancelZan();
    QTRY_COMPARE_WITH_TIMEOUT(page->picture().iszan == 1, liked, kTimeoutMs);
    QCOMPARE(page->picture().zanCount, likes);
    QTRY_VERIFY_WITH_TIMEOUT(!page->isActing(), kTimeoutMs);

    // A comment, then a reply to it: the newest come first.
    page->composer()->textEdited(QStringLiteral("今晚的灯光 & 音乐 +1"));
    page->composer()->send();
    answer(QStringLiteral("评论成功"));
    QTRY_COMPARE_WITH_TIMEOUT(comments(page).value(0).content,
                              QStringLiteral("今晚的灯光 & 音乐 +1"), kTimeoutMs);
    const Comment mine = comments(page).first();
    page->replyToComment(mine.id);
    page->composer()->textEdited(QStringLiteral(" 同意🍺"));
    page->composer()->send();
    answer(QStringLiteral("评论成功"));
    const QString reply = QStringLiteral("回复%1: 同意🍺").arg(mine.nickname);
    QTRY_COMPARE_WITH_TIMEOUT(comments(page).value(0).content, reply, kTimeoutMs);

    // The owner deletes the reply; the server agrees, so it stays gone after a reload.
    const QString replyId = comments(page).first().id;
    page->edit();
    alerts().answer(1); // 管理评论
    page->deleteComment(replyId);
    QCOMPARE(comments(page).first().id, mine.id);
    QTRY_VERIFY_WITH_TIMEOUT(!page->isActing(), kTimeoutMs);
    page->refresh();
    QTRY_VERIFY_WITH_TIMEOUT(!page->isLoading(), kTimeoutMs);
    QCOMPARE(comments(page).first().id, mine.id);

    // A report reaches the server's list.
    page->report();
    alerts().answer(1);
    QTRY_VERIFY_WITH_TIMEOUT(!page->busy(), kTimeoutMs);
    alerts().answer(0);
    const ApiReply reports = api_->get(QStringLiteral("/dev/reports"));
    const auto &list = reports["reports"].asArray();
    QVERIFY(!list.empty());
    QCOMPARE(QString::fromStdString(list.back()["type"].toText()), QStringLiteral("photo"));
    QCOMPARE(QString::number(list.back()["id"].toInteger()), kBusyPhoto);
}

void tst_PhotosE2e::moodPageCommentAndDeletion()
{
    AppContext &context = test_->context();
    context.navigation().setViewControllers({}, false);
    context.router().openUserHome(demo_);
    auto *home = top<UserHomeViewController>();

    Mood mood;
    mood.moodid = kBusyMood;
    context.router().openMoodComment(demo_, mood);
    auto *page = top<MoodCommentViewController>();
    QVERIFY(page);
    QTRY_COMPARE_WITH_TIMEOUT(page->records()->count(), 15, kTimeoutMs);
    page->composer()->textEdited(QStringLiteral("说得好"));
    page->composer()->send();
    answer(QStringLiteral("评论成功"));
    QTRY_COMPARE_WITH_TIMEOUT(comments(page).value(0).content, QStringLiteral("说得好"),
                              kTimeoutMs);

    page->edit();
    alerts().answer(0); // 删除心情
    answer(QStringLiteral("是否确定要删除此心情"), 1);
    QTRY_VERIFY_WITH_TIMEOUT(alerts().alertVisible() && !page->isActing(), kTimeoutMs);
    alerts().answer(0);
    QTRY_COMPARE(top<UserHomeViewController>(), home);
    const ApiReply gone = api_->call("mood_remark.php", {{"mid", kBusyMood}, {"page", "1"}});
    QVERIFY(gone.status() != 1);
}

void tst_PhotosE2e::uploadReachesTheAlbumUpright()
{
    AppContext &context = test_->context();
    context.navigation().setViewControllers({}, false);
    context.router().openUserAlbums(demo_);
    auto *album = top<AlbumsViewController>();
    QTRY_COMPARE_WITH_TIMEOUT(album->records()->count(), 18, kTimeoutMs);
    album->uploadPicture();
    auto *screen = top<PictureUploadViewController>();
    QVERIFY(screen);
    QTRY_VERIFY(alerts().isActionSheet());
    alerts().answer(1);
    QTemporaryDir dir;
    QFile file(dir.filePath("camera.jpg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(TestPhotos::sidewaysJpeg(QSize(900, 1200)));
    file.close();
    screen->imagePicker()->chooseFile(QUrl::fromLocalFile(file.fileName()));
    QTRY_VERIFY_WITH_TIMEOUT(screen->hasPhoto(), kTimeoutMs);
    const QString caption = QStringLiteral("竖着拍的外滩 %1").arg(QTime::currentTime().msec());
    screen->composer()->textEdited(caption);
    screen->composer()->send();
    answer(QStringLiteral("上传成功！"));
    QCOMPARE(top<AlbumsViewController>(), album);

    // The album asked again: the new photo leads it, stored upright and 600 wide.
    QTRY_COMPARE_WITH_TIMEOUT(album->records()->recordAt<Picture>(0)->text, caption, kTimeoutMs);
    const QString address = album->records()->recordAt<Picture>(0)->img_big;
    const ApiReply stored = api_->get(QUrl(address).path());
    QCOMPARE(stored.httpStatus, 200);
    const QImage image = QImage::fromData(stored.body);
    QCOMPARE(image.size(), QSize(600, 800));
    QVERIFY(TestPhotos::isUpright(image));
}

QTEST_MAIN(tst_PhotosE2e)
#include "tst_photos_e2e.moc"
