// The club and party boards against the stand-in server with the real router: a busy
// board page by page, a comment, a reply to it, and a report the server lists under the
// comment's own kind.

#include "ApiTestClient.h"
#include "DemoSignIn.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "model/Club.h"
#include "model/Party.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/venues/ClubDiscussViewController.h"
#include "screens/venues/PartyDiscussViewController.h"
#include "ui/Router.h"

#include <QTest>

namespace {
constexpr int kTimeoutMs = 15000;
// Seeded: a club and a party whose boards hold 24 comments, replies among them.
constexpr int kBusyBoard = 31;
constexpr int kBusyBoardComments = 24;
const QString kPosted = QStringLiteral("评论成功");
const QString kReported = QStringLiteral("举报成功，我们将在核实之后尽快处理");
} // namespace

class tst_BoardsE2e : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void clubBoard();
    void partyBoard();

private:
    // Pages, posts, replies and reports on the board in front, reported as `reportType`.
    void exerciseBoard(const QString &reportType);
    CommentThreadViewController *board() const
    {
        return qobject_cast<CommentThreadViewController *>(
            test_->context().navigation().topViewController());
    }
    AlertPresenter &alerts() { return test_->context().alerts(); }
    // Answers the alert titled `title` with its button `index`.
    void answer(const QString &title, int index = 0)
    {
        QTRY_COMPARE_WITH_TIMEOUT(alerts().alertTitle(), title, kTimeoutMs);
        alerts().answer(index);
    }
    Comment newest() const { return *board()->records()->recordAt<Comment>(0); }

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
    std::unique_ptr<ApiTestClient> api_;
};

void tst_BoardsE2e::initTestCase()
{
    QVERIFY2(server_.start(), qPrintable(server_.errorString()));
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    AppContext &context = test_->context();
    api_ = std::make_unique<ApiTestClient>(server_.webHost());
    const ApiReply reply = DemoSignIn::signIn(server_, context, *api_);
    QVERIFY2(reply.status() == 1, qPrintable(reply.message()));
}

void tst_BoardsE2e::clubBoard()
{
    test_->context().router().openClubBoard(Club::withId(kBusyBoard));
    QVERIFY(qobject_cast<ClubDiscussViewController *>(board()));
    exerciseBoard(QStringLiteral("clubremark"));
}

void tst_BoardsE2e::partyBoard()
{
    test_->context().router().openPartyBoard(Party::withId(kBusyBoard));
    QVERIFY(qobject_cast<PartyDiscussViewController *>(board()));
    exerciseBoard(QStringLiteral("partyremark"));
}

void tst_BoardsE2e::exerciseBoard(const QString &reportType)
{
    CommentThreadViewController *page = board();
    QTRY_COMPARE_WITH_TIMEOUT(page->records()->count(), 15, kTimeoutMs);
    page->loadMore();
    QTRY_COMPARE_WITH_TIMEOUT(page->records()->count(), kBusyBoardComments, kTimeoutMs);
    const Comment seeded = *page->records()->recordAt<Comment>(3);

    // A comment, then a reply to it typed before its row was tapped: the newest first.
    Composer *composer = page->composer();
    composer->textEdited(QStringLiteral("今晚见 & +1"));
    composer->send();
    answer(kPosted);
    QTRY_COMPARE_WITH_TIMEOUT(newest().content, QStringLiteral("今晚见 & +1"), kTimeoutMs);
    QCOMPARE(page->records()->count(), 15);
    const Comment mine = newest();
    composer->textEdited(QStringLiteral("一起🍺"));
    page->replyToComment(mine.id);
    composer->send();
    answer(kPosted);
    QTRY_COMPARE_WITH_TIMEOUT(newest().content, QStringLiteral("回复%1: 一起🍺").arg(mine.nickname),
                              kTimeoutMs);

    // A seeded comment reported, under the board's kind.
    page->reportComment(seeded.id);
    alerts().answer(1);
    answer(kReported);
    const ApiReply reports = api_->get(QStringLiteral("/dev/reports"));
    const auto &list = reports["reports"].asArray();
    QVERIFY(!list.empty());
    QCOMPARE(QString::fromStdString(list.back()["type"].toText()), reportType);
    QCOMPARE(QString::number(list.back()["id"].toInteger()), seeded.id);
}

QTEST_MAIN(tst_BoardsE2e)
#include "tst_boards_e2e.moc"
