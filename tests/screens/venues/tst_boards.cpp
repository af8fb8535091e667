// The club and party boards against a scripted API: pages, posting and replying from the
// input bar with the text kept when a post fails, the reply mode's exits, and reports
// that name the comment's kind and go even while a page or a post is on its way.

#include "ClientTestContext.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/venues/ClubDiscussViewController.h"
#include "screens/venues/PartyDiscussViewController.h"

#include <QTest>

namespace {

QByteArray answer(int status, const QByteArray &message)
{
    return "{\"status\":" + QByteArray::number(status) + ",\"message\":\"" + message + "\"}";
}

ScriptedReply slow(ScriptedReply reply)
{
    reply.delayMs = 60000;
    return reply;
}

} // namespace

class tst_Boards : public QObject {
    Q_OBJECT
private slots:
    void init() { test_ = std::make_unique<ClientTestContext>(); }
    void cleanup() { test_.reset(); }

    // Replying keeps what was typed after the reply's blank; a failed post keeps the text
    // and whom it answers; the exits of reply mode; a sent post reloads the first page.
    void postsAndReplies()
    {
        ClubDiscussViewController *board = showClubBoard();
        Composer *composer = board->composer();

        // Blanks and line breaks alone send nothing.
        composer->textEdited(QStringLiteral(" \n "));
        composer->send();
        QCOMPARE(ClientTestContext::requestsInFlight(*board), 0);

        composer->textEdited(QStringLiteral("hi"));
        board->replyToComment(QStringLiteral("405"));
        QVERIFY(composer->isReplying());
        QCOMPARE(composer->replyTip(), QStringLiteral("回复Bo: "));
        QCOMPARE(composer->text(), QStringLiteral(" hi"));
        // Answering someone else instead keeps the text as it is.
        board->replyToComment(QStringLiteral("407"));
        QCOMPARE(composer->replyTip(), QStringLiteral("回复Ann: "));
        QCOMPARE(composer->text(), QStringLiteral(" hi"));

        test_->reply("club_remark_post.php", ScriptedReply::json(answer(0, "发表失败")));
        composer->send();
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("发表失败"));
        const auto failed = test_->lastFormOf("club_remark_post.php");
        QCOMPARE(ClientTestContext::formValue(failed, "clid"), QStringLiteral("31"));
        QCOMPARE(ClientTestContext::formValue(failed, "reply"), QStringLiteral("407"));
        QCOMPARE(ClientTestContext::formValue(failed, "content"), QStringLiteral("回复Ann: hi"));
        QVERIFY(composer->isReplying());
        QCOMPARE(composer->text(), QStringLiteral(" hi"));
        (*test_)->alerts().answer(0);

        test_->reply("club_remark_post.php", ScriptedReply::json(answer(1, "发表成功")));
        composer->send();
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("发表成功"));
        QVERIFY(!composer->isReplying());
        QCOMPARE(composer->text(), QString());
        QTRY_COMPARE(test_->requestsTo("club_remark.php"), 2);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("club_remark.php"), "page"),
                 QStringLiteral("1"));
        (*test_)->alerts().answer(0);

        // Deleting the leading blank leaves reply mode: the next post is a new comment.
        board->replyToComment(QStringLiteral("405"));
        composer->textEdited(QStringLiteral(" 好"));
        composer->textEdited(QStringLiteral("好"));
        QVERIFY(!composer->isReplying());
        composer->send();
        QTRY_COMPARE(test_->requestsTo("club_remark_post.php"), 3);
        const auto plain = test_->lastFormOf("club_remark_post.php");
        QCOMPARE(ClientTestContext::formValue(plain, "reply"), QStringLiteral("0"));
        QCOMPARE(ClientTestContext::formValue(plain, "content"), QStringLiteral("好"));
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("发表成功"));
        (*test_)->alerts().answer(0);

        // So do clearing the line and a tap on the tip.
        board->replyToComment(QStringLiteral("405"));
        composer->textEdited(QString());
        QVERIFY(!composer->isReplying());
        board->replyToComment(QStringLiteral("405"));
        composer->cancelReply();
        QVERIFY(!composer->isReplying());
    }

    // A club comment is reported as "clubremark", a party comment as "partyremark"; a
    // confirmed report goes while a page and a post are out, and the server's word shows
    // whatever the status.
    void reportsGoOnTheirOwn()
    {
        ClubDiscussViewController *club = showClubBoard();
        test_->reply("club_remark.php", slow(ScriptedReply::fixture("club_remark_31.json")));
        club->refresh();
        test_->reply("club_remark_post.php", slow(ScriptedReply::json(answer(1, "发表成功"))));
        club->composer()->textEdited(QStringLiteral("在路上"));
        club->composer()->send();
        QTRY_COMPARE(ClientTestContext::requestsInFlight(*club), 2);
        QVERIFY(club->isLoading());

        test_->reply("jubao.php", ScriptedReply::json(answer(0, "已收到举报")));
        club->reportComment(QStringLiteral("406"));
        QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("是否举报这条评论？"));
        QCOMPARE((*test_)->alerts().alertMessage(),
                 QStringLiteral("欢迎举报违规内容, 我们将在核实之后尽快处理"));
        (*test_)->alerts().answer(1);
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("已收到举报"));
        QCOMPARE(test_->lastFormOf("jubao.php"),
                 (QList<QPair<QString, QString>>{
                     {"content", "违法内容"}, {"id", "406"}, {"type", "clubremark"}}));
        (*test_)->alerts().answer(0);

        // Cancelled: nothing goes.
        club->reportComment(QStringLiteral("407"));
        (*test_)->alerts().answer(0);
        QCOMPARE(test_->requestsTo("jubao.php"), 1);

        test_->replyFixture("party_remark.php", "party_remark_31.json");
        auto *party = new PartyDiscussViewController(test_->context(), Party::withId(31));
        test_->context().navigation().pushViewController(party, false);
        QTRY_COMPARE(party->records()->count(), 1);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("party_remark.php"), "pid"),
                 QStringLiteral("31"));
        test_->reply("jubao.php", ScriptedReply::json(answer(1, "举报成功")));
        party->reportComment(QStringLiteral("407"));
        (*test_)->alerts().answer(1);
        QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("举报成功"));
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("jubao.php"), "type"),
                 QStringLiteral("partyremark"));
        (*test_)->alerts().answer(0);

        test_->reply("party_remark_post.php", ScriptedReply::json(answer(1, "发表成功")));
        party->replyToComment(QStringLiteral("407"));
        party->composer()->textEdited(QStringLiteral(" 九点"));
        party->composer()->send();
        QTRY_COMPARE(test_->requestsTo("party_remark_post.php"), 1);
        const auto posted = test_->lastFormOf("party_remark_post.php");
        QCOMPARE(ClientTestContext::formValue(posted, "pid"), QStringLiteral("31"));
        QCOMPARE(ClientTestContext::formValue(posted, "reply"), QStringLiteral("407"));
        QCOMPARE(ClientTestContext::formValue(posted, "content"), QStringLiteral("回复Cici: 九点"));
    }

private:
    ClubDiscussViewController *showClubBoard()
    {
        test_->replyFixture("club_remark.php", "club_remark_31.json");
        Club club = Club::withId(31);
        club.name = QStringLiteral("千图馆");
        auto *board = new ClubDiscussViewController(test_->context(), club);
        test_->context().navigation().setViewControllers({board}, false);
        [&] { QTRY_COMPARE(board->records()->count(), 3); }();
        return board;
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(tst_Boards)
#include "tst_boards.moc"
