// The lists of a screen with tabs, through a small list screen against captured replies:
// the first tab loads with the screen, a tab shown for the first time loads once, a late
// page lands in its own tab, a tab shown again keeps its rows and page, the bar's other
// buttons only report, refresh and the screen's return reload only what is shown.

#include "ClientTestContext.h"
#include "model/User.h"
#include "platform/NavigationController.h"
#include "ui/BLKTableViewController.h"
#include "ui/TabbedQueries.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString kNearby = QStringLiteral("user_nearby.php");
const QString kSearch = QStringLiteral("user_search.php");
enum Tag { NearbyTag = 7, SearchTag = 8, MoreTag = 9 };

PagedQuery::Request usersOf(const QString &script)
{
    return PagedQuery::listOf<User>(
        script, QStringLiteral("users"),
        [](const nuvora::json::Value &element) { return User(element, std::nullopt); });
}

class TabbedList : public BLKTableViewController {
public:
    explicit TabbedList(AppContext &context)
        : BLKTableViewController(context),
          tabs(new TabbedQueries(
              QStringLiteral("人"), [this](PagedQuery *query) { setQuery(query); }, this))
    {
        tabs->addTab(QStringLiteral("附近"), NearbyTag, makeQuery<User>(usersOf(kNearby)),
                     QStringLiteral("附近没有人"));
        tabs->addTab(QStringLiteral("搜索"), SearchTag, makeQuery<User>(usersOf(kSearch)));
        tabs->addButton(QStringLiteral("更多"), MoreTag);
    }
    TabbedQueries *tabs;
};

QList<int> idsOf(const RecordListModel *model)
{
    QList<int> ids;
    for (const QVariant &record : model->records())
        ids << record.value<User>().userId;
    return ids;
}
} // namespace

class tst_TabbedQueries : public QObject {
    Q_OBJECT
private slots:
    void tabsLoadOnceAndKeepTheirRows();
    void buttonsRefreshAndReturn();

private:
    TabbedList *show(ClientTestContext &test)
    {
        auto *list = new TabbedList(test.context());
        for (int tag : {NearbyTag, SearchTag}) {
            new QAbstractItemModelTester(list->tabs->query(tag)->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest,
                                         list);
        }
        test.context().navigation().setViewControllers({list}, false);
        return list;
    }
};

void tst_TabbedQueries::tabsLoadOnceAndKeepTheirRows()
{
    ClientTestContext test;
    test.replyFixture(kNearby, "user_nearby_page1.json");
    TabbedList *list = show(test);
    TabbedQueries *tabs = list->tabs;
    QCOMPARE(tabs->shownTag(), int(NearbyTag));
    // The bar hides; the title keeps saying which list is shown.
    QCOMPARE(tabs->title(), QStringLiteral("人 · 附近"));
    QCOMPARE(list->records(), tabs->query(NearbyTag)->model());
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(test.requestsTo(kSearch), 0);

    // The first tab's next page is slow; the user switches to the second meanwhile.
    ScriptedReply late = ScriptedReply::fixture("user_nearby_page2.json");
    late.delayMs = 200;
    test.reply(kNearby, late);
    list->loadMore();
    QVERIFY(test.api().waitForRequests(2));
    test.replyFixture(kSearch, "user_nearby_end.json");
    QSignalSpy switched(tabs, &TabbedQueries::shownChanged);
    tabs->press(SearchTag);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(tabs->shownTag(), int(SearchTag));
    QCOMPARE(tabs->title(), QStringLiteral("人 · 搜索"));
    QCOMPARE(tabs->emptyText(), QString());
    QCOMPARE(list->records(), tabs->query(SearchTag)->model());
    QVERIFY(list->isLoading());
    QTRY_VERIFY(!tabs->query(SearchTag)->busy());
    QVERIFY(!list->canLoadMore());
    QCOMPARE(list->loadMoreFooterView()->infoText(), LoadMoreFooterView::kAllLoadedText);

    // The late page lands in its own tab; the table stays with the second.
    QTRY_VERIFY(!tabs->query(NearbyTag)->busy());
    QCOMPARE(idsOf(tabs->query(NearbyTag)->model()), (QList<int>{46, 64, 51, 65, 47}));
    QCOMPARE(tabs->query(SearchTag)->model()->count(), 0);
    QCOMPARE(list->records(), tabs->query(SearchTag)->model());

    // Back on the first tab: its rows and page as left, nothing asked again; pressing the
    // tab shown does nothing.
    tabs->press(NearbyTag);
    tabs->press(NearbyTag);
    QCOMPARE(switched.count(), 2);
    QCOMPARE(tabs->emptyText(), QStringLiteral("附近没有人"));
    QCOMPARE(list->records(), tabs->query(NearbyTag)->model());
    QCOMPARE(list->currentPage(), 2);
    QVERIFY(list->canLoadMore());
    QCOMPARE(list->loadMoreFooterView()->infoText(), LoadMoreFooterView::kMoreText);
    QCOMPARE(test.requestsTo(kNearby), 2);
    QCOMPARE(test.requestsTo(kSearch), 1);
}

void tst_TabbedQueries::buttonsRefreshAndReturn()
{
    ClientTestContext test;
    test.replyFixture(kNearby, "user_nearby_page1.json");
    TabbedList *list = show(test);
    TabbedQueries *tabs = list->tabs;
    QTRY_VERIFY(!list->isLoading());

    // The bar lists tabs and buttons in order; a button only reports its press.
    const QVariantList buttons = tabs->buttons();
    QCOMPARE(buttons.size(), 3);
    QCOMPARE(buttons.at(2).toMap().value("tag").toInt(), int(MoreTag));
    QVERIFY(buttons.at(1).toMap().value("isTab").toBool());
    QVERIFY(!buttons.at(2).toMap().value("isTab").toBool());
    QSignalSpy pressed(tabs, &TabbedQueries::pressed);
    tabs->press(MoreTag);
    tabs->press(12345);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(0).toInt(), int(MoreTag));
    QCOMPARE(tabs->shownTag(), int(NearbyTag));

    // Refresh asks for the first page of the list shown only.
    test.replyFixture(kNearby, "user_nearby_page2.json");
    list->loadMore();
    QTRY_COMPARE(list->currentPage(), 2);
    test.replyFixture(kNearby, "user_nearby_end.json");
    tabs->refresh();
    QVERIFY(list->isLoading());
    QTRY_VERIFY(!list->isLoading());
    QCOMPARE(list->currentPage(), 1);
    QCOMPARE(test.requestsTo(kSearch), 0);

    // A tab whose first load failed loads again when the screen comes back; one with
    // rows does not.
    test.reply(kSearch, ScriptedReply::json(R"({"status":1,"message":"","users":[]})"));
    tabs->press(SearchTag);
    QTRY_VERIFY(!list->isLoading());
    tabs->loadShownIfEmpty();
    QTRY_COMPARE(test.requestsTo(kSearch), 2);
    QTRY_VERIFY(!list->isLoading());
    tabs->press(NearbyTag);
    const int sent = test.requestsTo(kNearby);
    tabs->loadShownIfEmpty();
    QCOMPARE(test.requestsTo(kNearby), sent);
}

QTEST_GUILESS_MAIN(tst_TabbedQueries)
#include "tst_tabbedqueries.moc"
