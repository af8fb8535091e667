// The relationship lists against the loopback API: follows and fans as two tabs that
// keep their rows (fans read from "follows"), rows opening the chat or the home page,
// deletions that wait for the server's word, one at a time and never while the list
// loads; the favourites' tabs opening clubs and parties; a venue's fans.

#include "ClientTestContext.h"
#include "PeopleReplies.h"
#include "model/Club.h"
#include "model/Party.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/people/BlackListViewController.h"
#include "screens/people/FavorListViewController.h"
#include "screens/people/FavorUserListViewController.h"
#include "screens/people/FollowFansTabs.h"
#include "screens/people/FriendListViewController.h"
#include "screens/people/UserFriendListViewController.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {
// A page of `count` users from `firstUid` under `key`.
ScriptedReply usersUnder(const char *key, int count, int firstUid)
{
    QByteArray body = PeopleReplies::users(count, 1, firstUid);
    body.replace("\"users\"", QByteArray("\"") + key + "\"");
    return ScriptedReply::json(body);
}

QList<int> userIds(const BLKLoadMoreTableViewController &screen)
{
    QList<int> ids;
    for (const QVariant &row : screen.records()->records())
        ids << row.value<User>().userId;
    return ids;
}
} // namespace

class tst_RelationLists : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void tabsKeepTheirRowsAndRowsOpenChatOrHome();
    void deletionRemovesTheRowOnlyOnTheServersWord();
    void deletionIsRefusedWhileTheListLoads();
    void favouritesOpenClubsAndParties();

private:
    template <class Screen> Screen *show(Screen *screen)
    {
        new QAbstractItemModelTester(
            screen->records(), QAbstractItemModelTester::FailureReportingMode::QtTest, screen);
        (*test_)->navigation().setViewControllers({screen}, false);
        return screen;
    }
    AlertPresenter &alerts() { return (*test_)->alerts(); }
    QString sent(const QString &script, const QString &key) const
    {
        return ClientTestContext::formValue(test_->lastFormOf(script), key);
    }

    std::unique_ptr<ClientTestContext> test_;
};

void tst_RelationLists::init()
{
    test_ = std::make_unique<ClientTestContext>();
    (*test_)->session().userLocation = PeopleReplies::kDevice;
}

void tst_RelationLists::cleanup()
{
    test_.reset();
}

void tst_RelationLists::tabsKeepTheirRowsAndRowsOpenChatOrHome()
{
    test_->reply("my_follow.php", usersUnder("follows", 20, 100));
    test_->reply("my_fans.php", usersUnder("follows", 3, 500));
    auto *friends = show(new FriendListViewController(test_->context(), false));
    QTRY_COMPARE(friends->records()->count(), 20);
    QCOMPARE(sent("my_follow.php", "page"), QStringLiteral("1"));

    // The fans tab loads once, from the reply's "follows"; going back shows the follows
    // held, without asking again.
    friends->tabs()->press(FollowFansTabs::FansTag);
    QTRY_COMPARE(userIds(*friends), (QList<int>{500, 501, 502}));
    friends->tabs()->press(FollowFansTabs::FollowsTag);
    QCOMPARE(friends->records()->count(), 20);
    friends->tabs()->press(FollowFansTabs::FansTag);
    QCOMPARE(friends->records()->count(), 3);
    QCOMPARE(test_->requestsTo("my_follow.php"), 1);
    QCOMPARE(test_->requestsTo("my_fans.php"), 1);

    friends->selectRow(1);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 501"));
    friends->tabs()->press(FollowFansTabs::FollowsTag);
    test_->reply("my_follow.php", usersUnder("follows", 2, 200));
    friends->loadMore();
    QTRY_COMPARE(friends->records()->count(), 22);
    QCOMPARE(sent("my_follow.php", "page"), QStringLiteral("2"));

    // Opened to start a conversation, a row opens the chat; its avatar the home page.
    auto *picker = show(new FriendListViewController(test_->context(), true));
    QTRY_COMPARE(picker->records()->count(), 2);
    picker->selectRow(1);
    QCOMPARE(test_->router().last(), QStringLiteral("chat 201"));
    picker->cellAvatarButtonTapped(0);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 200"));
    // In edit mode a row opens nothing.
    const qsizetype opened = test_->router().opened.size();
    picker->edit();
    picker->selectRow(0);
    QCOMPARE(test_->router().opened.size(), opened);
}

void tst_RelationLists::deletionRemovesTheRowOnlyOnTheServersWord()
{
    test_->reply("my_follow.php", usersUnder("follows", 5, 100));
    test_->reply("my_fans.php", usersUnder("follows", 2, 500));
    auto *friends = show(new FriendListViewController(test_->context(), false));
    QTRY_COMPARE(friends->records()->count(), 5);

    // Outside edit mode no row offers a deletion.
    friends->deleteRow(1);
    QCOMPARE(alerts().alertCount(), 0);
    friends->edit();
    QVERIFY(friends->editor()->isEditing());
    QCOMPARE(friends->editor()->editButton()->degrees(), 90.0);

    // Confirmed, the request goes; the row stays until the server has said yes, and a
    // second deletion meanwhile is not even offered.
    ScriptedReply later = ScriptedReply::json(R"({"status":1,"message":"已取消关注"})");
    later.delayMs = 300;
    test_->reply("my_follow_del.php", later);
    friends->deleteRow(1);
    QCOMPARE(alerts().alertTitle(), QStringLiteral("用户101"));
    QCOMPARE(alerts().alertButtons(), (QStringList{"取消关注", "取消"}));
    alerts().answer(0);
    QVERIFY(friends->busy());
    QCOMPARE(friends->records()->count(), 5);
    friends->deleteRow(2);
    QCOMPARE(alerts().alertCount(), 0);
    QTRY_COMPARE(userIds(*friends), (QList<int>{100, 102, 103, 104}));
    QCOMPARE(test_->requestsTo("my_follow_del.php"), 1);
    QCOMPARE(sent("my_follow_del.php", "uid"), QStringLiteral("101"));

    // Refused, the row stays and the server's message shows.
    test_->reply("my_follow_del.php", ScriptedReply::json(PeopleReplies::failure("操作太频繁")));
    friends->deleteRow(0);
    alerts().answer(0);
    QTRY_COMPARE(alerts().alertTitle(), QStringLiteral("操作太频繁"));
    alerts().answer(0);
    QCOMPARE(friends->records()->count(), 4);
    QCOMPARE(test_->requestsTo("my_follow_del.php"), 2);

    // The fans tab removes fans. The reply finds its row by user, wherever it then is.
    friends->tabs()->press(FollowFansTabs::FansTag);
    QTRY_COMPARE(friends->records()->count(), 2);
    test_->reply("my_fans_del.php", ScriptedReply::json(R"({"status":1,"message":""})"));
    friends->deleteRow(1);
    QCOMPARE(alerts().alertButtons(), (QStringList{"删除粉丝", "取消"}));
    alerts().answer(0);
    friends->tabs()->press(FollowFansTabs::FollowsTag);
    QTRY_COMPARE(friends->tabs()->query(FollowFansTabs::FansTag)->model()->count(), 1);
    QCOMPARE(sent("my_fans_del.php", "uid"), QStringLiteral("501"));
    QCOMPARE(friends->records()->count(), 4);
}

void tst_RelationLists::deletionIsRefusedWhileTheListLoads()
{
    test_->reply("my_blacklist.php", usersUnder("blacklists", 3, 700));
    auto *blocked = show(new BlackListViewController(test_->context()));
    QTRY_COMPARE(blocked->records()->count(), 3);
    blocked->edit();

    // A page that started while the confirmation showed wins: the deletion is dropped.
    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply("my_blacklist.php", silent);
    test_->reply("my_blacklist_del.php", ScriptedReply::json(R"({"status":1,"message":""})"));
    blocked->deleteRow(0);
    QCOMPARE(alerts().alertButtons(), (QStringList{"从黑名单移除", "取消"}));
    blocked->loadMore();
    QVERIFY(blocked->isLoading());
    alerts().answer(0);
    blocked->deleteRow(1);
    QCOMPARE(alerts().alertCount(), 0);
    QCOMPARE(ClientTestContext::requestsInFlight(*blocked), 1);
    QCOMPARE(blocked->records()->count(), 3);

    // Once the list rests, a deletion goes; no page goes out while it runs.
    blocked->query()->cancel();
    blocked->deleteRow(2);
    alerts().answer(0);
    QVERIFY(blocked->busy());
    blocked->loadMore();
    QVERIFY(!blocked->isLoading());
    QTRY_COMPARE(userIds(*blocked), (QList<int>{700, 701}));
    QCOMPARE(test_->requestsTo("my_blacklist_del.php"), 1);
    QCOMPARE(sent("my_blacklist_del.php", "uid"), QStringLiteral("702"));
}

void tst_RelationLists::favouritesOpenClubsAndParties()
{
    User ava;
    ava.userId = 67;
    test_->replyFixture("home_club_favor.php", "clubs_favor.json");
    test_->replyFixture("home_party_favor.php", "partys_current.json");
    auto *favors = show(new FavorListViewController(test_->context(), ava));
    QTRY_VERIFY(favors->records()->count() > 0);
    QCOMPARE(sent("home_club_favor.php", "uid"), QStringLiteral("67"));
    favors->selectRow(0);
    QCOMPARE(test_->router().last(), QStringLiteral("club 2"));

    favors->tabs()->press(FavorListViewController::PartiesTag);
    QTRY_VERIFY(favors->records()->count() > 1);
    QCOMPARE(sent("home_party_favor.php", "uid"), QStringLiteral("67"));
    favors->selectRow(1);
    QCOMPARE(test_->router().last(), QStringLiteral("partyDetail 2"));
}

QTEST_MAIN(tst_RelationLists)
#include "tst_relationlists.moc"
