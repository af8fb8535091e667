// The feed's tabs, a user's timeline and the reminders: entries paged by their ids past
// pages of hidden kinds, replies filed under the tab that asked, the friends tab brought
// forward by its news on every screen's first visit, and where each entry leads.

#include "ClientTestContext.h"
#include "api/json/JsonReader.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/feed/ActivityListViewController.h"
#include "screens/feed/ActivityPublicViewController.h"
#include "screens/feed/NotifyCenterViewController.h"
#include "screens/feed/UserActivityListViewController.h"

#include <QTest>

namespace {

// One element of "feeds": its common part and the objects of its type.
QByteArray entry(int feedid, const QByteArray &type, const QByteArray &objects = {})
{
    return "{\"feed\":{\"feedid\":\"" + QByteArray::number(feedid) + "\",\"type\":\"" + type
           + "\",\"lat\":0,\"lng\":0,\"time\":\"2026-12-08 20:00:00\"}"
           + (objects.isEmpty() ? QByteArray() : "," + objects) + "}";
}

QByteArray feeds(const QList<QByteArray> &entries)
{
    return "{\"status\":1,\"message\":\"\",\"feeds\":[" + entries.join(',') + "]}";
}

const QByteArray kMood =
    R"("mood":{"moodid":"40","content":"今晚去哪"},"mooduser":{"uid":"8","nickname":"Ann"})";
const QByteArray kPhoto =
    R"("photo":{"pid":"12","img":"img.nuvora.cn/12.jpg"},"user":{"uid":"9","nickname":"Bo"})";

QStringList feedids(BLKLoadMoreTableViewController *list)
{
    QStringList ids;
    for (const QVariant &row : list->records()->records())
        ids << row.value<FeedEntry>().activity.feedid;
    return ids;
}

} // namespace

class FeedListsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test_ = std::make_unique<ClientTestContext>(); }
    void cleanup() { test_.reset(); }

    // A page holding only kinds the tab hides still moves the cursor on: the next page
    // starts after it, and paging ends only where the server's list does.
    void pagesOfHiddenKindsMoveTheCursor()
    {
        test_->reply("my_feed_city.php",
                     ScriptedReply::json(feeds(
                         {entry(90, "mood", kMood), entry(89, "clubfavor"), entry(88, "hi")})));
        auto *feed = new ActivityListViewController(test_->context());
        show(feed);
        QTRY_COMPARE(feedids(feed), QStringList{"90"});
        QCOMPARE(feed->records()->recordAt<FeedEntry>(0)->content, QStringLiteral("今晚去哪"));
        QCOMPARE(feed->records()->recordAt<FeedEntry>(0)->activity.distance,
                 QStringLiteral("未知"));

        test_->reply("my_feed_city.php",
                     ScriptedReply::json(feeds(
                         {entry(87, "hi"), entry(86, "partyfavor"), R"({"feed":{"type":"hi"}})"})));
        feed->loadMore();
        QTRY_COMPARE(test_->requestsTo("my_feed_city.php"), 2);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("my_feed_city.php"), "feedid"),
                 QStringLiteral("88"));
        QTRY_VERIFY(!feed->isLoading());
        QVERIFY(feed->canLoadMore());

        test_->reply("my_feed_city.php",
                     ScriptedReply::json(feeds({entry(85, "photoupload", kPhoto)})));
        feed->loadMore();
        QTRY_COMPARE(feedids(feed), (QStringList{"90", "85"}));
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("my_feed_city.php"), "feedid"),
                 QStringLiteral("86"));
        QVERIFY(feed->records()->recordAt<FeedEntry>(1)->showsPicture);

        test_->reply("my_feed_city.php", ScriptedReply::json(feeds({})));
        feed->loadMore();
        QTRY_VERIFY(!feed->canLoadMore());
    }

    // A reply is filed under the tab that asked for it, whatever the tab shown when it
    // comes; the friends tab comes forward while it has news, on this screen's first
    // visit as on any later one.
    void repliesStayWithTheirTab()
    {
        ScriptedReply slowNearby = ScriptedReply::json(feeds({entry(70, "mood", kMood)}));
        slowNearby.delayMs = 300;
        test_->reply("my_feed_city.php", slowNearby);
        test_->reply(
            "my_feed_follow.php",
            ScriptedReply::json(feeds({entry(
                60, "follow",
                R"("user":{"uid":"8","nickname":"Ann"},"followuser":{"uid":"9","nickname":"Bo"})")})));
        auto *feed = new ActivityListViewController(test_->context());
        show(feed);
        feed->tabs()->press(ActivityListViewController::FriendsTag);
        QTRY_COMPARE(feedids(feed), QStringList{"60"});
        QCOMPARE(feed->records()->recordAt<FeedEntry>(0)->content, QStringLiteral("Ann关注了Bo"));
        QTRY_COMPARE(ClientTestContext::requestsInFlight(*feed), 0);
        QCOMPARE(feedids(feed), QStringList{"60"});
        feed->tabs()->press(ActivityListViewController::NearbyTag);
        QCOMPARE(feedids(feed), QStringList{"70"});

        // Signed in again, a new feed screen with the friends' news shows them first.
        test_->context().settings().setString(SettingsKeys::feedFollowCount, QStringLiteral("3"));
        auto *again = new ActivityListViewController(test_->context());
        show(again);
        QCOMPARE(again->tabs()->shownTag(), int(ActivityListViewController::FriendsTag));
        QTRY_COMPARE(feedids(again), QStringList{"60"});
    }

    // Where an entry leads, by list: the timeline's own kinds, the reminders' targets, and
    // nothing for notices, unknown kinds and users known by no id.
    void entriesLeadToTheirPages()
    {
        User owner;
        owner.userId = 13;
        owner.nickname = QStringLiteral("Cy");
        test_->reply(
            "home_feed.php",
            ScriptedReply::json(feeds(
                {entry(50, "clubfavor", R"("club":{"clid":4,"name":"千图馆"},"user":{"uid":"13"})"),
                 entry(49, "photozan", kPhoto + R"(,"photouser":{"uid":"21","nickname":"Di"})")})));
        auto *timeline = new UserActivityListViewController(test_->context(), owner);
        show(timeline);
        QTRY_COMPARE(feedids(timeline), (QStringList{"50", "49"}));
        // Every entry of a timeline is its user's.
        QCOMPARE(timeline->records()->recordAt<FeedEntry>(1)->content,
                 QStringLiteral("Cy称赞了照片\"一张普通的照片\""));
        timeline->selectEntry(QStringLiteral("50"));
        QCOMPARE(test_->router().last(), QStringLiteral("club 4"));
        timeline->selectEntry(QStringLiteral("49"));
        QCOMPARE(test_->router().last(), QStringLiteral("pictureComment 21 12"));

        nuvora::json::JsonReader reader;
        test_->context().session().setDefaultUser(
            *reader.objectWithData(std::string_view(R"({"uid":"2","nickname":"demo"})")));
        test_->reply(
            "my_feed_remind.php",
            ScriptedReply::json(feeds(
                {entry(30, "photoremark", kPhoto + R"(,"photoremarkuser":{"uid":"8"})"),
                 entry(29, "notify", R"("info":"系统维护通知","user":{"uid":"1"})"),
                 entry(28, "giftsent", R"("user":{"uid":"11"})"), entry(27, "hi", R"("user":{})"),
                 entry(26, "moodremarkreply", kMood + R"(,"moodremarkuser":{"uid":"8"})")})));
        auto *reminders = new NotifyCenterViewController(test_->context());
        show(reminders);
        QTRY_COMPARE(reminders->records()->count(), 5);
        QCOMPARE(reminders->records()->recordAt<FeedEntry>(0)->content,
                 QStringLiteral("评论了你的照片\"一张普通的照片\""));
        QCOMPARE(reminders->records()->recordAt<FeedEntry>(1)->content,
                 QStringLiteral("系统维护通知"));
        reminders->selectEntry(QStringLiteral("30"));
        QCOMPARE(test_->router().last(), QStringLiteral("pictureComment 2 12"));
        const auto opened = test_->router().opened.size();
        for (const char *leadsNowhere : {"29", "28", "27"})
            reminders->selectEntry(QString::fromLatin1(leadsNowhere));
        reminders->avatarTapped(QStringLiteral("27"));
        QCOMPARE(test_->router().opened.size(), opened);
        reminders->selectEntry(QStringLiteral("26"));
        QCOMPARE(test_->router().last(), QStringLiteral("moodComment 8 40"));
    }

    // The composer refuses nothing said and too much said, counted in UTF-16 units; after
    // a success nothing more goes out while the confirmation shows.
    void publishingOnce()
    {
        auto *composer = new ActivityPublicViewController(test_->context());
        show(composer);
        AlertPresenter &alerts = test_->context().alerts();
        composer->composer()->textEdited(QStringLiteral("   "));
        composer->composer()->send();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("至少说点什么吧~"));
        alerts.answer(0);
        // 259 units and one emoji of two: 261.
        composer->composer()->textEdited(QString(259, QLatin1Char('a')) + QStringLiteral("😀"));
        composer->composer()->send();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("无法发表"));
        QCOMPARE(alerts.alertMessage(), QStringLiteral("最多260字，你已超出1字"));
        alerts.answer(0);

        test_->reply("my_mood_post.php", ScriptedReply::json(R"({"status":1,"message":"ok"})"));
        composer->composer()->textEdited(QStringLiteral("今晚外滩见"));
        composer->composer()->send();
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("发表成功！"));
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("my_mood_post.php"), "isremark"),
                 QStringLiteral("0"));
        composer->composer()->send();
        composer->pickImage();
        QTest::qWait(100);
        QCOMPARE(test_->requestsTo("my_mood_post.php"), 1);
        QCOMPARE(alerts.alertCount(), 1);
    }

private:
    void show(ViewController *screen)
    {
        test_->context().navigation().setViewControllers({screen}, false);
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(FeedListsTest)
#include "tst_feedlists.moc"
