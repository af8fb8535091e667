// The album, the photo page and the mood page: the photo's state shared with the album
// that opened it, commenting and replying, reports, deletions that reach the album, and
// the rules for closed items and owners known only by id.

#include "ClientTestContext.h"
#include "api/json/JsonReader.h"
#include "model/Mood.h"
#include "model/Picture.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "screens/photos/AlbumsViewController.h"
#include "screens/photos/MoodCommentViewController.h"
#include "screens/photos/PictureCommentViewController.h"

#include <QTest>

namespace {

nuvora::json::Value objectOf(const QByteArray &json)
{
    nuvora::json::JsonReader reader;
    return *reader.objectWithData(std::string_view(json.constData(), size_t(json.size())));
}

QByteArray ok(const QByteArray &message)
{
    return "{\"status\":1,\"message\":\"" + message + "\"}";
}

QByteArray failed(const QByteArray &message)
{
    return "{\"status\":0,\"message\":\"" + message + "\"}";
}

const QByteArray kAlbum =
    R"({"status":1,"message":"","photos":[ {"pid":"11","img":"img.nuvora.cn/11.jpg","zan":"3","iszan":0}, {"pid":"12","img":"img.nuvora.cn/12.jpg","zan":1,"iszan":1,"isremark":1}]})";

const QByteArray kComments =
    R"({"status":1,"message":"","photoremarks":[ {"prid":"501","content":"真好看","uid":"8","nickname":"Ann","avatar":"a.nuvora.cn/8.jpg"}, {"prid":"502","content":"在哪拍的","uid":9,"nickname":"Bo","avatar":""}]})";

User userWithId(int id, const QString &avatar = QStringLiteral("a.nuvora.cn/7.jpg"))
{
    User user;
    user.userId = id;
    user.nickname = QStringLiteral("夜猫");
    user.avatar = avatar;
    return user;
}

} // namespace

class PhotoPagesTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        test_ = std::make_unique<ClientTestContext>();
        test_->context().session().setDefaultUser(objectOf(R"({"uid":"7","nickname":"夜猫"})"));
    }
    void cleanup() { test_.reset(); }

    // A like on the photo page shows in the album that opened it; the page's own reply
    // decides, and a comment page on its way does not hold the like back.
    void likesReachTheAlbum()
    {
        test_->reply("photo.php", ScriptedReply::json(kAlbum));
        auto *album = new AlbumsViewController(test_->context(), userWithId(7));
        navigation().setViewControllers({album}, false);
        QTRY_COMPARE(album->records()->count(), 2);
        QVERIFY(album->canUpload());
        album->pictureTapped(0, 0);
        QCOMPARE(test_->router().last(), QStringLiteral("pictureComment 7 11"));

        // A failed state reply leaves the like state the album knew.
        test_->reply("photo_show.php", ScriptedReply::json(R"({"status":0,"iszan":1})"));
        ScriptedReply slowComments = ScriptedReply::json(kComments);
        slowComments.delayMs = 60000;
        test_->reply("photo_remark.php", slowComments);
        auto *page = showPhoto(*album->records()->recordAt<Picture>(0));
        QTRY_COMPARE(test_->requestsTo("photo_show.php"), 1);
        QTRY_COMPARE(ClientTestContext::requestsInFlight(*page), 1);
        QCOMPARE(page->picture().iszan, 0);

        test_->reply("photo_zan_post.php", ScriptedReply::json(ok("赞了一下")));
        page->zan();
        QTRY_COMPARE(page->picture().iszan, 1);
        QCOMPARE((*test_)->alerts().noticeText(), QStringLiteral("赞了一下"));
        QCOMPARE(test_->lastFormOf("photo_zan_post.php"),
                 (QList<QPair<QString, QString>>{{"pid", "11"}}));
        const Picture liked = *album->records()->recordAt<Picture>(0);
        QCOMPARE(liked.iszan, 1);
        QCOMPARE(liked.zanCount, 4);

        test_->reply("photo_zan_out.php", ScriptedReply::json(failed("操作太频繁")));
        page->cancelZan();
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("操作太频繁"));
        QCOMPARE(page->picture().iszan, 1);
        QCOMPARE(album->records()->recordAt<Picture>(0)->zanCount, 4);
    }

    // Reply mode through the input bar, a failed comment keeping its text and its reply,
    // and the next comment after a sent reply being a plain one.
    void commentsAndReplies()
    {
        PictureCommentViewController *page = showPhotoWithComments();
        Composer *composer = page->composer();
        page->replyToComment(QStringLiteral("501"));
        QVERIFY(composer->isReplying());
        QCOMPARE(composer->replyTip(), QStringLiteral("回复Ann: "));
        composer->textEdited(QStringLiteral(" hi"));

        test_->reply("photo_remark_post.php", ScriptedReply::json(failed("评论失败")));
        composer->send();
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("评论失败"));
        const auto form = test_->lastFormOf("photo_remark_post.php");
        QCOMPARE(ClientTestContext::formValue(form, "reply"), QStringLiteral("501"));
        QCOMPARE(ClientTestContext::formValue(form, "content"), QStringLiteral("回复Ann: hi"));
        QCOMPARE(ClientTestContext::formValue(form, "pid"), QStringLiteral("11"));
        QVERIFY(composer->isReplying());
        QCOMPARE(composer->text(), QStringLiteral(" hi"));
        (*test_)->alerts().answer(0);

        test_->reply("photo_remark_post.php", ScriptedReply::json(ok("评论成功")));
        composer->send();
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("评论成功"));
        QVERIFY(!composer->isReplying());
        QCOMPARE(composer->text(), QString());
        // The comments are asked for again from the first page.
        QTRY_COMPARE(test_->requestsTo("photo_remark.php"), 2);
        (*test_)->alerts().answer(0);

        composer->textEdited(QStringLiteral("再来"));
        composer->send();
        QTRY_COMPARE(test_->requestsTo("photo_remark_post.php"), 3);
        const auto plain = test_->lastFormOf("photo_remark_post.php");
        QCOMPARE(ClientTestContext::formValue(plain, "reply"), QStringLiteral("0"));
        QCOMPARE(ClientTestContext::formValue(plain, "content"), QStringLiteral("再来"));
        QTRY_VERIFY(!page->isActing());
    }

    // A comment is reported by its own kind: a photo's as "photoremark", a mood's as
    // "moodremark"; the server's word is shown whatever the status.
    void reportsNameTheirKind()
    {
        PictureCommentViewController *page = showPhotoWithComments();
        test_->reply("jubao.php", ScriptedReply::json(failed("已收到举报")));
        page->reportComment(QStringLiteral("502"));
        QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("是否举报这条评论？"));
        (*test_)->alerts().answer(1);
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("已收到举报"));
        QCOMPARE(test_->lastFormOf("jubao.php"),
                 (QList<QPair<QString, QString>>{
                     {"content", "违法内容"}, {"id", "502"}, {"type", "photoremark"}}));
        (*test_)->alerts().answer(0);

        // Cancelled: nothing sent.
        page->report();
        QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("是否举报这张照片？"));
        (*test_)->alerts().answer(0);
        QCOMPARE(test_->requestsTo("jubao.php"), 1);

        test_->reply(
            "mood_remark.php",
            ScriptedReply::json(
                R"({"status":1,"message":"","moodremarks":[ {"mrid":"77","content":"同感","uid":"8","nickname":"Ann"}]})"));
        Mood mood(objectOf(R"({"moodid":"40","content":"今晚去哪","isremark":"1"})"));
        auto *moodPage = new MoodCommentViewController(test_->context(), userWithId(8), mood);
        navigation().pushViewController(moodPage, false);
        QTRY_COMPARE(moodPage->records()->count(), 1);
        QVERIFY(!moodPage->isOwnItem());
        test_->reply("jubao.php", ScriptedReply::json(ok("举报成功")));
        moodPage->reportComment(QStringLiteral("77"));
        (*test_)->alerts().answer(1);
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("举报成功"));
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("jubao.php"), "type"),
                 QStringLiteral("moodremark"));
        (*test_)->alerts().answer(0);

        // Closed to comments: the form refuses, the input bar still sends.
        moodPage->openCommentForm();
        QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("心情主人未开放此心情的评论"));
        (*test_)->alerts().answer(0);
        page->openCommentForm();
        QCOMPARE(test_->router().last(), QStringLiteral("pictureCommentForm 7 11"));
    }

    // On the own photo: a comment leaves at once and comes back when the server kept it;
    // the photo itself goes after the confirmation, from the album too.
    void ownerDeletes()
    {
        test_->reply("photo.php", ScriptedReply::json(kAlbum));
        auto *album = new AlbumsViewController(test_->context(), userWithId(7));
        navigation().setViewControllers({album}, false);
        QTRY_COMPARE(album->records()->count(), 2);
        PictureCommentViewController *page = showPhotoWithComments();
        QVERIFY(page->isOwnItem());

        page->edit();
        QVERIFY(page->editButton()->isTurned());
        (*test_)->alerts().answer(1); // 管理评论
        QVERIFY(page->isManagingComments());
        test_->reply("my_photoremark_del.php", ScriptedReply::json(failed("删除失败")));
        page->deleteComment(QStringLiteral("502"));
        QCOMPARE(page->records()->count(), 1);
        QTRY_COMPARE(test_->requestsTo("my_photoremark_del.php"), 1);
        QCOMPARE(test_->lastFormOf("my_photoremark_del.php"),
                 (QList<QPair<QString, QString>>{{"prid", "502"}}));
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("删除失败"));
        QTRY_COMPARE(page->records()->count(), 2);
        (*test_)->alerts().answer(0);
        page->edit();
        QVERIFY(!page->isManagingComments());
        QVERIFY(!page->editButton()->isTurned());

        page->edit();
        (*test_)->alerts().answer(0); // 删除照片
        QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("是否确定要删除此照片"));
        test_->reply("my_photo_del.php", ScriptedReply::json(ok("照片已删除")));
        (*test_)->alerts().answer(1);
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("照片已删除"));
        QCOMPARE(album->records()->count(), 1);
        QCOMPARE(album->records()->recordAt<Picture>(0)->pid, QStringLiteral("12"));
        (*test_)->alerts().answer(0);
        QTRY_COMPARE(navigation().viewControllers().size(), 1);
    }

    // An owner known only by id is asked for first; a closed photo refuses the form.
    void ownerKnownOnlyById()
    {
        test_->reply(
            "home.php",
            ScriptedReply::json(
                R"({"status":1,"message":"","user": {"uid":"9","nickname":"Bo","avatar":"a.nuvora.cn/9.jpg"}})"));
        test_->reply("photo_show.php", ScriptedReply::json(R"({"status":1,"iszan":"1"})"));
        test_->reply("photo_remark.php", ScriptedReply::json(kComments));
        User owner;
        owner.userId = 9;
        const Picture closed(objectOf(R"({"pid":"12","img":"img.nuvora.cn/12.jpg","isremark":1})"));
        auto *page = showPhoto(closed, owner);
        QTRY_COMPARE(page->owner().avatar, QStringLiteral("a.nuvora.cn/9.jpg!100"));
        QCOMPARE(page->title(), QStringLiteral("Bo的照片"));
        QTRY_COMPARE(page->picture().iszan, 1);
        QVERIFY(!page->isOwnItem());
        page->openCommentForm();
        QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("照片主人未开放此照片的评论"));
        QVERIFY(!test_->router().last().startsWith(QStringLiteral("pictureCommentForm")));
    }

private:
    NavigationController &navigation() { return test_->context().navigation(); }

    PictureCommentViewController *showPhoto(const Picture &picture,
                                            const User &owner = userWithId(7))
    {
        auto *page = new PictureCommentViewController(test_->context(), owner, picture);
        navigation().pushViewController(page, false);
        return page;
    }

    PictureCommentViewController *showPhotoWithComments()
    {
        test_->reply("photo_show.php", ScriptedReply::json(R"({"status":1,"iszan":0})"));
        test_->reply("photo_remark.php", ScriptedReply::json(kComments));
        auto *page = showPhoto(Picture(objectOf(R"({"pid":"11","img":"img.nuvora.cn/11.jpg"})")));
        [&] { QTRY_COMPARE(page->records()->count(), 2); }();
        return page;
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(PhotoPagesTest)
#include "tst_photopages.moc"
