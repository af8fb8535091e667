// Paged server lists against captured replies of the strict loopback API: PagedQuery on
// its own (the page a reply was asked for, a reload during a load-more, repeats across
// pages, feed cursors, malformed lists), and the list bases through a small list screen
// (pull thresholds, footer texts, one request for repeated scroll events, the
// last-updated line, the filter bar). Every model runs under the model tester.

#include "ClientTestContext.h"
#include "model/JsonFields.h"
#include "model/User.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsStore.h"
#include "ui/BLKTableViewController.h"
#include "ui/PagedQuery.h"
#include "ui/RequestSlot.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace json = nuvora::json;

Q_DECLARE_METATYPE(ScriptedReply)

namespace {
const QString kNearby = QStringLiteral("user_nearby.php");
const QString kSearch = QStringLiteral("user_search.php");
const QString kFeed = QStringLiteral("my_feed_follow.php");

User userOf(const json::Value &element)
{
    return User(element, std::nullopt);
}

PagedQuery::Request usersOf(const QString &script)
{
    return PagedQuery::listOf<User>(script, QStringLiteral("users"), userOf);
}

// One entry of a feed list; the feed's id sits inside the element's "feed" object.
struct FeedEntry {
    Q_GADGET
    Q_PROPERTY(QString feedid MEMBER feedid)
    Q_PROPERTY(QString type MEMBER type)
public:
    QString feedid;
    QString type;
    QString recordKey() const { return feedid; }
};

PagedQuery::Request feedRequest()
{
    return PagedQuery::feedOf<FeedEntry>(
        kFeed, QStringLiteral("feeds"), [](const json::Value &element) {
            const json::Value &feed = JsonFields::child(element, "feed");
            return FeedEntry{JsonFields::text(feed, "feedid"), JsonFields::text(feed, "type")};
        });
}

void watch(QAbstractItemModel *model)
{
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                 model);
}

// A list screen needs no more than this: its script, its reply's list key and its record.
class NearbyUsersList : public BLKTableViewController {
public:
    explicit NearbyUsersList(AppContext &context) : BLKTableViewController(context)
    {
        setQuery(makeQuery<User>(usersOf(kNearby)));
    }
};

// The same list with the bar of filters above its first row.
class FilteredUsersList : public NearbyUsersList {
public:
    explicit FilteredUsersList(AppContext &context) : NearbyUsersList(context)
    {
        setRevealsFilterBar(true);
    }
};

class PlainScreen : public ViewController {
public:
    using ViewController::ViewController;
};

QList<int> idsOf(const RecordListModel *model)
{
    QList<int> ids;
    for (const QVariant &record : model->records())
        ids << record.value<User>().userId;
    return ids;
}

QStringList feedIdsOf(const RecordListModel *model)
{
    QStringList ids;
    for (const QVariant &record : model->records())
        ids << record.value<FeedEntry>().feedid;
    return ids;
}

void drag(TableScroll *scroll, double y)
{
    scroll->setDragging(true);
    scroll->setContentOffsetY(y);
}

void release(BLKTableViewController &list)
{
    list.scroll()->setDragging(false);
    list.scrollViewDidEndDragging(true);
}

const QList<int> kPageOne{46, 64, 51};
// Page two repeats user 51 of page one.
const QList<int> kPagesOneAndTwo{46, 64, 51, 65, 47};
} // namespace

class tst_PagedQuery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void refreshDuringALoadMoreKeepsPageOne();
    void repeatsAcrossPagesAreSkipped();
    void cursorComesFromTheFeedInsideEachElement();
    void droppedKindsStillPageTheFeed();
    void newParametersStartPagingAfreshEvenWhenTheirPageFails();
    void pagingStopsWhenTheCursorStays();
    void malformedListsGiveAnEmptyPage_data();
    void malformedListsGiveAnEmptyPage();

    void listScreenLoadsPagesAndRefreshes();
    void emptyFirstPageEndsPaging();
    void failedLoadMoreAsksTheSamePageAgain();
    void scrollingAtTheBottomAsksForOnePage();
    void pullThresholds();
    void lastUpdatedLineAppearsWithTheFirstCompletion();
    void filterBarListsShowTheBarInsteadOfRefreshing();
    void destroyedListHearsNoReply();

private:
    AppContext &context() { return test_->context(); }
    QString lastFormValue(const QString &script, const QString &key) const;
    template <class Record> PagedQuery *query(PagedQuery::Request request);
    template <class List> List *show();

    std::unique_ptr<ClientTestContext> test_;
    std::unique_ptr<QObject> owner_;
};

void tst_PagedQuery::init()
{
    test_ = std::make_unique<ClientTestContext>();
    owner_ = std::make_unique<QObject>();
}

void tst_PagedQuery::cleanup()
{
    owner_.reset();
    test_.reset();
}

QString tst_PagedQuery::lastFormValue(const QString &script, const QString &key) const
{
    for (const auto &[name, value] : test_->lastFormOf(script)) {
        if (name == key)
            return value;
    }
    return QStringLiteral("(none)");
}

template <class Record> PagedQuery *tst_PagedQuery::query(PagedQuery::Request request)
{
    PagedQuery *query = PagedQuery::of<Record>(context(), std::move(request), owner_.get());
    watch(query->model());
    return query;
}

template <class List> List *tst_PagedQuery::show()
{
    auto *list = new List(context());
    watch(list->records());
    context().navigation().setViewControllers({list}, false);
    return list;
}

void tst_PagedQuery::refreshDuringALoadMoreKeepsPageOne()
{
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    PagedQuery *users = query<User>(usersOf(kNearby));
    QSignalSpy finished(users, &PagedQuery::finished);
    users->reload();
    QVERIFY(finished.wait());

    // Page two answers late, and the list is refreshed while it is out.
    ScriptedReply late = ScriptedReply::fixture("user_nearby_page2.json");
    late.delayMs = 300;
    test_->reply(kNearby, late);
    QVERIFY(users->loadMore());
    QVERIFY(test_->api().waitForRequests(2));
    QCOMPARE(lastFormValue(kNearby, "page"), QStringLiteral("2"));
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    users->reload();
    QTRY_COMPARE(finished.size(), 2);
    QCOMPARE(lastFormValue(kNearby, "page"), QStringLiteral("1"));
    QCOMPARE(idsOf(users->model()), kPageOne);

    // The late page-two reply came due; it must not be taken for the first page.
    QTRY_COMPARE(test_->api().repliesDue(), 3);
    test_->replyFixture(kNearby, "user_nearby_page2.json");
    QVERIFY(users->loadMore());
    QTRY_COMPARE(finished.size(), 3);
    QCOMPARE(lastFormValue(kNearby, "page"), QStringLiteral("2"));
    QCOMPARE(idsOf(users->model()), kPagesOneAndTwo);
    QCOMPARE(users->page(), 2);
}

void tst_PagedQuery::repeatsAcrossPagesAreSkipped()
{
    PagedQuery::Request request = usersOf(kNearby);
    request.fullPageSize = 3;
    PagedQuery *users = query<User>(request);
    QSignalSpy finished(users, &PagedQuery::finished);
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    users->reload();
    QVERIFY(finished.wait());
    QVERIFY(users->canLoadMore());

    // Three users came, one of them listed already: two rows more, and paging goes on.
    test_->replyFixture(kNearby, "user_nearby_page2.json");
    QVERIFY(users->loadMore());
    QVERIFY(finished.wait());
    QCOMPARE(idsOf(users->model()), kPagesOneAndTwo);
    QVERIFY(users->canLoadMore());

    test_->replyFixture(kNearby, "user_nearby_end.json");
    QVERIFY(users->loadMore());
    QVERIFY(finished.wait());
    QCOMPARE(lastFormValue(kNearby, "page"), QStringLiteral("3"));
    QVERIFY(!users->canLoadMore());
    QVERIFY(!users->loadMore());
    QCOMPARE(test_->requestsTo(kNearby), 3);

    // A relationship list's delete takes the row out.
    QVERIFY(users->removeRecord("64"));
    QCOMPARE(idsOf(users->model()), (QList<int>{46, 51, 65, 47}));
    QVERIFY(!users->removeRecord("64"));
    QVERIFY(!users->removeRecord("999"));
    QVERIFY(!users->removeRecord(QString()));
    QCOMPARE(users->model()->count(), 4);
}

void tst_PagedQuery::cursorComesFromTheFeedInsideEachElement()
{
    PagedQuery *feed = query<FeedEntry>(feedRequest());
    QSignalSpy finished(feed, &PagedQuery::finished);
    test_->replyFixture(kFeed, "my_feed_follow_newest.json");
    feed->reload();
    QVERIFY(finished.wait());
    QCOMPARE(lastFormValue(kFeed, "feedid"), QStringLiteral("0"));
    QCOMPARE(lastFormValue(kFeed, "page"), QStringLiteral("(none)"));
    QCOMPARE(feedIdsOf(feed->model()), (QStringList{"742", "740", "734"}));
    QCOMPARE(feed->cursor(), QStringLiteral("734"));

    // The next page continues after the last entry held, by its feed's id.
    test_->replyFixture(kFeed, "my_feed_follow_older.json");
    QVERIFY(feed->loadMore());
    QVERIFY(finished.wait());
    QCOMPARE(lastFormValue(kFeed, "feedid"), QStringLiteral("734"));
    QCOMPARE(feedIdsOf(feed->model()), (QStringList{"742", "740", "734", "621", "613"}));
    QCOMPARE(feed->cursor(), QStringLiteral("613"));

    test_->replyFixture(kFeed, "my_feed_follow_newest.json");
    feed->reload();
    QVERIFY(finished.wait());
    QCOMPARE(lastFormValue(kFeed, "feedid"), QStringLiteral("0"));
    QCOMPARE(feed->model()->count(), 3);
    QCOMPARE(feed->cursor(), QStringLiteral("734"));
}

void tst_PagedQuery::droppedKindsStillPageTheFeed()
{
    // A feed that shows no photo uploads: the newest page ends with one.
    PagedQuery::Request request = feedRequest();
    request.fullPageSize = 3;
    request.accepts = [](const json::Value &element) {
        return JsonFields::text(JsonFields::child(element, "feed"), "type")
               != QStringLiteral("photoupload");
    };
    PagedQuery *feed = query<FeedEntry>(request);
    QSignalSpy finished(feed, &PagedQuery::finished);
    test_->replyFixture(kFeed, "my_feed_follow_newest.json");
    feed->reload();
    QVERIFY(finished.wait());
    QCOMPARE(feedIdsOf(feed->model()), (QStringList{"742", "740"}));
    // Three entries came, so more may exist, and they continue after the dropped one.
    QVERIFY(feed->canLoadMore());
    QCOMPARE(feed->cursor(), QStringLiteral("734"));

    test_->replyFixture(kFeed, "my_feed_follow_older.json");
    QVERIFY(feed->loadMore());
    QVERIFY(finished.wait());
    QCOMPARE(lastFormValue(kFeed, "feedid"), QStringLiteral("734"));
    QCOMPARE(feedIdsOf(feed->model()), (QStringList{"742", "740", "621", "613"}));
    QVERIFY(!feed->canLoadMore());
}

void tst_PagedQuery::newParametersStartPagingAfreshEvenWhenTheirPageFails()
{
    QString gender = QStringLiteral("0");
    PagedQuery::Request request = usersOf(kNearby);
    request.parameters = [&gender] { return QVariantMap{{QStringLiteral("gender"), gender}}; };
    PagedQuery *users = query<User>(request);
    QSignalSpy finished(users, &PagedQuery::finished);
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    users->reload();
    QVERIFY(finished.wait());
    test_->replyFixture(kNearby, "user_nearby_page2.json");
    QVERIFY(users->loadMore());
    QVERIFY(finished.wait());
    QCOMPARE(users->page(), 2);

    // Another filter while the server fails: the other filter's rows go at once.
    gender = QStringLiteral("2");
    test_->replyFixture(kNearby, "not_signed_in.json");
    users->reload();
    QCOMPARE(users->model()->count(), 0);
    QVERIFY(finished.wait());
    context().alerts().answer(0);
    QCOMPARE(users->model()->count(), 0);
    QVERIFY(users->canLoadMore());

    // Scrolling on asks for the new filter's first page, and every user of it is listed.
    test_->replyFixture(kNearby, "user_nearby_page2.json");
    QVERIFY(users->loadMore());
    QVERIFY(finished.wait());
    QCOMPARE(lastFormValue(kNearby, "page"), QStringLiteral("1"));
    QCOMPARE(lastFormValue(kNearby, "gender"), QStringLiteral("2"));
    QCOMPARE(idsOf(users->model()), (QList<int>{51, 65, 47}));
    QCOMPARE(users->page(), 1);
}

void tst_PagedQuery::pagingStopsWhenTheCursorStays()
{
    PagedQuery *feed = query<FeedEntry>(feedRequest());
    QSignalSpy finished(feed, &PagedQuery::finished);
    test_->replyFixture(kFeed, "my_feed_follow_newest.json");
    feed->reload();
    QVERIFY(finished.wait());

    // A server that answers the same entries again would be asked for them for ever.
    QVERIFY(feed->loadMore());
    QVERIFY(finished.wait());
    QCOMPARE(lastFormValue(kFeed, "feedid"), QStringLiteral("734"));
    QCOMPARE(feed->model()->count(), 3);
    QVERIFY(!feed->canLoadMore());
    QVERIFY(!feed->loadMore());

    // Entries without a feed give no cursor to go on with either.
    feed->reload();
    QVERIFY(finished.wait());
    QVERIFY(feed->canLoadMore());
    test_->reply(kFeed, ScriptedReply::json(R"({"status":1,"message":"","feeds":[{"user":{}}]})"));
    QVERIFY(feed->loadMore());
    QVERIFY(finished.wait());
    QVERIFY(!feed->canLoadMore());
    QCOMPARE(test_->requestsTo(kFeed), 4);
}

void tst_PagedQuery::malformedListsGiveAnEmptyPage_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<bool>("canLoadMore");
    QTest::newRow("no list") << QByteArray(R"({"status":1,"message":""})") << QList<int>() << false;
    QTest::newRow("list not an array")
        << QByteArray(R"({"status":1,"message":"","users":{"uid":"3"}})") << QList<int>() << false;
    QTest::newRow("elements that are no objects")
        << QByteArray(R"({"status":1,"message":"","users":[7,"x",null,[],{"uid":"9"}]})")
        << QList<int>{9} << true;
}

void tst_PagedQuery::malformedListsGiveAnEmptyPage()
{
    QFETCH(QByteArray, body);
    QFETCH(QList<int>, ids);
    QFETCH(bool, canLoadMore);
    test_->reply(kNearby, ScriptedReply::json(body));
    PagedQuery *users = query<User>(usersOf(kNearby));
    QSignalSpy finished(users, &PagedQuery::finished);
    users->reload();
    QVERIFY(finished.wait());
    QCOMPARE(finished[0][0].toBool(), true);
    QCOMPARE(idsOf(users->model()), ids);
    QCOMPARE(users->canLoadMore(), canLoadMore);
    QVERIFY(!context().alerts().alertVisible());
}

void tst_PagedQuery::listScreenLoadsPagesAndRefreshes()
{
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    auto *list = show<NearbyUsersList>();
    LoadMoreFooterView *footer = list->loadMoreFooterView();
    QVERIFY(list->isLoading());
    QVERIFY(footer->loading());
    QCOMPARE(footer->infoText(), QStringLiteral("加载中..."));
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(idsOf(list->records()), kPageOne);
    QCOMPARE(list->records()->recordAt<User>(0)->nickname, QStringLiteral("晓梦在路上"));
    QVERIFY(list->canLoadMore());
    QCOMPARE(footer->infoText(), QStringLiteral("上拉加载更多"));

    test_->replyFixture(kNearby, "user_nearby_page2.json");
    list->loadMore();
    QCOMPARE(footer->infoText(), QStringLiteral("加载中..."));
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(idsOf(list->records()), kPagesOneAndTwo);
    QCOMPARE(list->currentPage(), 2);
    QCOMPARE(footer->infoText(), QStringLiteral("上拉加载更多"));

    test_->replyFixture(kNearby, "user_nearby_end.json");
    list->loadMore();
    QTRY_VERIFY(!list->isLoading());
    QVERIFY(!list->canLoadMore());
    QCOMPARE(footer->infoText(), QStringLiteral("已加载完全部"));

    // A refresh asks for the first page again and opens paging anew.
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    list->refresh();
    QVERIFY(list->isLoading());
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(lastFormValue(kNearby, "page"), QStringLiteral("1"));
    QCOMPARE(idsOf(list->records()), kPageOne);
    QVERIFY(list->canLoadMore());
    QCOMPARE(list->currentPage(), 1);
    QCOMPARE(footer->infoText(), QStringLiteral("上拉加载更多"));
    QCOMPARE(test_->requestsTo(kNearby), 4);
}

void tst_PagedQuery::emptyFirstPageEndsPaging()
{
    test_->replyFixture(kNearby, "user_nearby_end.json");
    auto *list = show<NearbyUsersList>();
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(list->records()->count(), 0);
    QVERIFY(!list->canLoadMore());
    QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("已加载完全部"));
}

void tst_PagedQuery::failedLoadMoreAsksTheSamePageAgain()
{
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    auto *list = show<NearbyUsersList>();
    QTRY_VERIFY(!list->isLoading());

    test_->replyFixture(kNearby, "not_signed_in.json");
    list->loadMore();
    AlertPresenter &alerts = context().alerts();
    QTRY_VERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertTitle(), QStringLiteral("请先登录"));
    QCOMPARE(alerts.alertMessage(), QString());
    QVERIFY(!list->isLoading());
    QCOMPARE(idsOf(list->records()), kPageOne);
    QVERIFY(list->canLoadMore());
    QCOMPARE(list->currentPage(), 1);
    QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("上拉加载更多"));
    alerts.answer(0);

    test_->replyFixture(kNearby, "user_nearby_page2.json");
    list->loadMore();
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(lastFormValue(kNearby, "page"), QStringLiteral("2"));
    QCOMPARE(idsOf(list->records()), kPagesOneAndTwo);
}

void tst_PagedQuery::scrollingAtTheBottomAsksForOnePage()
{
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    auto *list = show<NearbyUsersList>();
    QTRY_VERIFY(!list->isLoading());
    TableScroll *scroll = list->scroll();
    scroll->setContentHeight(1000);
    // Not yet past the bottom: 1000 - 416 - 44 = 540.
    test_->replyFixture(kNearby, "user_nearby_page2.json");
    drag(scroll, 540);
    QVERIFY(!list->isLoading());
    for (int y = 541; y < 560; ++y)
        drag(scroll, y);
    QVERIFY(list->isLoading());
    QCOMPARE(ClientTestContext::requestsInFlight(*list), 1);
    QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("加载中..."));
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(test_->requestsTo(kNearby), 2);
    QCOMPARE(list->records()->count(), 5);

    // A short list loads more as soon as it is pushed up, never while resting at the top.
    test_->replyFixture(kNearby, "user_nearby_end.json");
    scroll->setContentHeight(100);
    drag(scroll, 0);
    QVERIFY(!list->isLoading());
    drag(scroll, 1);
    QVERIFY(list->isLoading());
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(test_->requestsTo(kNearby), 3);
}

void tst_PagedQuery::pullThresholds()
{
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    auto *list = show<NearbyUsersList>();
    QTRY_VERIFY(!list->isLoading());
    EGORefreshTableHeaderView *header = list->refreshHeaderView();
    TableScroll *scroll = list->scroll();

    drag(scroll, -65);
    QCOMPARE(header->state(), EGORefreshTableHeaderView::Normal);
    drag(scroll, -66);
    QCOMPARE(header->state(), EGORefreshTableHeaderView::Pulling);
    QCOMPARE(header->statusText(), QStringLiteral("松开即可刷新..."));
    drag(scroll, -30);
    QCOMPARE(header->state(), EGORefreshTableHeaderView::Normal);
    QCOMPARE(header->statusText(), QStringLiteral("下拉可以刷新..."));

    drag(scroll, -39);
    release(*list);
    QVERIFY(!list->isLoading());
    QCOMPARE(header->state(), EGORefreshTableHeaderView::Normal);

    drag(scroll, -40);
    release(*list);
    QVERIFY(list->isLoading());
    QCOMPARE(header->state(), EGORefreshTableHeaderView::Loading);
    QCOMPARE(scroll->topInset(), 60.0);
    QCOMPARE(scroll->insetAnimationMs(), 200);
    // While loading, pulling further only moves the inset, never beyond 60.
    drag(scroll, -200);
    QCOMPARE(header->state(), EGORefreshTableHeaderView::Loading);
    QCOMPARE(scroll->topInset(), 60.0);
    drag(scroll, -20);
    QCOMPARE(scroll->topInset(), 20.0);

    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(header->state(), EGORefreshTableHeaderView::Normal);
    QCOMPARE(scroll->topInset(), 0.0);
    QCOMPARE(test_->requestsTo(kNearby), 2);
    QCOMPARE(lastFormValue(kNearby, "page"), QStringLiteral("1"));
    QCOMPARE(idsOf(list->records()), kPageOne); // the first page replaced the list
}

void tst_PagedQuery::lastUpdatedLineAppearsWithTheFirstCompletion()
{
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    auto *list = new NearbyUsersList(context());
    QCOMPARE(list->refreshHeaderView()->lastUpdatedText(), QString());
    context().navigation().setViewControllers({list}, false);
    QCOMPARE(list->refreshHeaderView()->lastUpdatedText(), QString());
    QTRY_VERIFY(!list->isLoading());
    const QString text = list->refreshHeaderView()->lastUpdatedText();
    QVERIFY(text.startsWith(QStringLiteral("最后更新: ")));
    QCOMPARE(context().settings().string(EGORefreshTableHeaderView::kLastRefreshKey), text);
}

void tst_PagedQuery::filterBarListsShowTheBarInsteadOfRefreshing()
{
    test_->replyFixture(kNearby, "user_nearby_page1.json");
    auto *list = new FilteredUsersList(context());
    watch(list->records());
    list->setFilterBarTimings(50, 100);
    context().navigation().setViewControllers({list}, false);
    QCOMPARE(list->scroll()->topInset(), 60.0);
    QTRY_VERIFY(!list->isLoading());
    // The bar goes on its own timer, not with the page.
    QTRY_COMPARE(list->scroll()->topInset(), 0.0);
    drag(list->scroll(), -45);
    release(*list);
    QCOMPARE(list->scroll()->topInset(), 60.0);
    QVERIFY(!list->isLoading());
    QTRY_COMPARE(list->scroll()->topInset(), 0.0);
    QCOMPARE(test_->requestsTo(kNearby), 1);
    QCOMPARE(list->records()->count(), 3);
}

void tst_PagedQuery::destroyedListHearsNoReply()
{
    // A failure would show an alert if it still reached the list.
    ScriptedReply late = ScriptedReply::fixture("not_signed_in.json");
    late.delayMs = 200;
    test_->reply(kNearby, late);
    QPointer<NearbyUsersList> list = show<NearbyUsersList>();
    QVERIFY(test_->api().waitForRequests(1));
    context().navigation().setViewControllers({new PlainScreen(context())}, false);
    QTRY_VERIFY(list.isNull());
    QTRY_COMPARE(test_->api().repliesDue(), 1);

    // Another request to the same script comes back; the list's reply went nowhere.
    test_->replyFixture(kNearby, "not_signed_in.json");
    RequestSlot later(context(), owner_.get());
    bool answered = false;
    later.post(kNearby, {}, {}, [&](const JSONFetcher &) { answered = true; });
    QTRY_VERIFY(answered);
    QCOMPARE(context().alerts().alertCount(), 0);
}

QTEST_GUILESS_MAIN(tst_PagedQuery)
#include "tst_pagedquery.moc"
