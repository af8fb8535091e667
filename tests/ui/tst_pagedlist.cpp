// The paged list base through a small derived list against a loopback API: the pull
// thresholds, the footer texts, one request for repeated scroll events, page numbers
// after a failed load-more, feed cursors and the last-updated line.

#include "api/json/JsonWriter.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Session.h"
#include "platform/SettingsStore.h"
#include "ui/PagedListController.h"

#include <QAbstractItemModelTester>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

using nuvora::json::Array;
using nuvora::json::Object;
using nuvora::json::Value;

namespace {

// Answers "items.php" with `pageSizes[page]` items (ids continuing after the cursor for
// feed lists); a page listed in `failingPages` answers status 0.
class ListServer {
public:
    ListServer()
    {
        server.route("/iphone/2.0/<arg>", [this](const QString &script,
                                                 const QHttpServerRequest &request) {
            const QUrlQuery form(QString::fromUtf8(request.body()));
            requests << script + QLatin1Char('?') + form.toString();
            const int page = form.queryItemValue(QStringLiteral("page")).toInt();
            const int after = form.queryItemValue(QStringLiteral("feedid")).toInt();
            Object reply;
            if (failingPages.contains(page)) {
                reply.set("status", 0);
                reply.set("message", "服务器忙");
            } else {
                Array items;
                const int count = pageSizes.value(page ? page : (after == 0 ? 1 : 2), 0);
                for (int i = 0; i < count; ++i) {
                    Object item;
                    item.set("feedid", std::to_string(after + i + 1));
                    item.set("name", "item " + std::to_string(page) + "." + std::to_string(i));
                    items.push_back(std::move(item));
                }
                reply.set("status", 1);
                reply.set("items", std::move(items));
            }
            nuvora::json::JsonWriter writer;
            return QHttpServerResponse("application/json",
                                       QByteArray::fromStdString(*writer.dataWithObject(reply)));
        });
        port = server.listen(QHostAddress::LocalHost);
    }

    QHttpServer server;
    quint16 port = 0;
    QStringList requests;
    QHash<int, int> pageSizes;
    QSet<int> failingPages;
};

PagedListController::ListRequest itemsRequest(PagedListController::Paging paging, int fullPage)
{
    return {QStringLiteral("items.php"), QStringLiteral("items"), paging, fullPage,
            [](const Value &element) {
                return QVariant(QString::fromStdString(element["name"].toText()));
            }};
}

// A derived screen needs no more than its request description.
class ItemListController : public PagedListController {
public:
    ItemListController(AppContext &context, Paging paging = Paging::ByPage, int fullPage = 1)
        : PagedListController(context, itemsRequest(paging, fullPage))
    {
    }
    void load() { viewDidLoad(); }
};

} // namespace

class PagedListTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<ListServer> server;

    std::unique_ptr<ItemListController>
    makeList(PagedListController::Paging paging = PagedListController::Paging::ByPage,
             int fullPage = 1)
    {
        auto list = std::make_unique<ItemListController>(*context, paging, fullPage);
        new QAbstractItemModelTester(
            list->records(), QAbstractItemModelTester::FailureReportingMode::QtTest, list.get());
        return list;
    }

    static void drag(TableScroll *scroll, double y)
    {
        scroll->setDragging(true);
        scroll->setContentOffsetY(y);
    }

    static void release(ItemListController &list)
    {
        list.scroll()->setDragging(false);
        list.scrollViewDidEndDragging(true);
    }

private slots:
    void init()
    {
        context = std::make_unique<AppContext>(AppContext::Options{dir.path(), {}, {}});
        server = std::make_unique<ListServer>();
        context->session().apiServerAddress =
            QStringLiteral("http://127.0.0.1:%1/iphone/2.0/").arg(server->port);
    }

    void cleanup()
    {
        context.reset();
        server.reset();
    }

    void firstPageAndFooterTexts()
    {
        server->pageSizes = {{1, 20}, {2, 19}};
        auto list = makeList(PagedListController::Paging::ByPage, 20);
        QSignalSpy updated(list.get(), &PagedListController::listUpdated);
        list->load();
        QVERIFY(list->busy());
        QVERIFY(updated.wait());
        QCOMPARE(list->records()->count(), 20);
        QVERIFY(list->canLoadMore());
        QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("上拉加载更多"));

        list->loadMore();
        QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("加载中..."));
        QVERIFY(updated.wait());
        QCOMPARE(list->records()->count(), 39);
        QVERIFY(!list->canLoadMore()); // 19 of a full page of 20 ends paging
        QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("已加载完全部"));
        QCOMPARE(server->requests, QStringList({QStringLiteral("items.php?page=1"),
                                                QStringLiteral("items.php?page=2")}));
    }

    void emptyFirstPageEndsPaging()
    {
        auto list = makeList();
        QSignalSpy updated(list.get(), &PagedListController::listUpdated);
        list->load();
        QVERIFY(updated.wait());
        QCOMPARE(list->records()->count(), 0);
        QVERIFY(!list->canLoadMore());
        QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("已加载完全部"));
    }

    void scrollingAtTheBottomAsksForOnePage()
    {
        server->pageSizes = {{1, 5}, {2, 5}};
        auto list = makeList();
        QSignalSpy updated(list.get(), &PagedListController::listUpdated);
        list->load();
        QVERIFY(updated.wait());
        TableScroll *scroll = list->scroll();
        scroll->setContentHeight(1000);
        // Not yet at the bottom: 1000 - 416 - 44 = 540.
        drag(scroll, 540);
        QVERIFY(!list->busy());
        for (int y = 541; y < 560; ++y)
            drag(scroll, y);
        QVERIFY(list->busy());
        QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("加载中..."));
        QVERIFY(updated.wait());
        QCOMPARE(server->requests.size(), 2);
        QCOMPARE(list->records()->count(), 10);

        // A short list loads more as soon as it is pushed up, never while resting at the top.
        scroll->setContentHeight(100);
        drag(scroll, 0);
        QVERIFY(!list->busy());
        drag(scroll, 1);
        QVERIFY(list->busy());
    }

    void failedLoadMoreKeepsItsPageNumber()
    {
        server->pageSizes = {{1, 3}, {3, 2}};
        server->failingPages = {2};
        auto list = makeList();
        QSignalSpy updated(list.get(), &PagedListController::listUpdated);
        list->load();
        QVERIFY(updated.wait());
        list->loadMore();
        QTRY_VERIFY(!list->busy());
        QCOMPARE(context->alerts().alertTitle(), QStringLiteral("服务器忙"));
        QCOMPARE(list->records()->count(), 3);
        QVERIFY(list->canLoadMore());
        QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("上拉加载更多"));
        list->loadMore();
        QVERIFY(updated.wait());
        QCOMPARE(server->requests.last(), QStringLiteral("items.php?page=3"));
        QCOMPARE(list->records()->count(), 5);
    }

    void pullThresholds()
    {
        server->pageSizes = {{1, 3}};
        auto list = makeList();
        QSignalSpy updated(list.get(), &PagedListController::listUpdated);
        list->load();
        QVERIFY(updated.wait());
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
        QVERIFY(!list->busy());
        QCOMPARE(header->state(), EGORefreshTableHeaderView::Normal);

        drag(scroll, -40);
        release(*list);
        QVERIFY(list->busy());
        QCOMPARE(header->state(), EGORefreshTableHeaderView::Loading);
        QCOMPARE(scroll->topInset(), 60.0);
        QCOMPARE(scroll->insetAnimationMs(), 200);
        // While loading, pulling further only moves the inset, never beyond 60.
        drag(scroll, -200);
        QCOMPARE(header->state(), EGORefreshTableHeaderView::Loading);
        QCOMPARE(scroll->topInset(), 60.0);
        drag(scroll, -20);
        QCOMPARE(scroll->topInset(), 20.0);

        QVERIFY(updated.wait());
        QCOMPARE(header->state(), EGORefreshTableHeaderView::Normal);
        QCOMPARE(scroll->topInset(), 0.0);
        QCOMPARE(server->requests.last(), QStringLiteral("items.php?page=1"));
        QCOMPARE(list->records()->count(), 3); // the first page replaced the list
    }

    void lastUpdatedLineAppearsWithTheFirstCompletion()
    {
        server->pageSizes = {{1, 1}};
        auto list = makeList();
        QCOMPARE(list->refreshHeaderView()->lastUpdatedText(), QString());
        QSignalSpy updated(list.get(), &PagedListController::listUpdated);
        list->load();
        QCOMPARE(list->refreshHeaderView()->lastUpdatedText(), QString());
        QVERIFY(updated.wait());
        const QString text = list->refreshHeaderView()->lastUpdatedText();
        QVERIFY(text.startsWith(QStringLiteral("最后更新: ")));
        QCOMPARE(context->settings().string(EGORefreshTableHeaderView::kLastRefreshKey), text);
    }

    void feedListsPageByCursor()
    {
        server->pageSizes = {{1, 3}, {2, 2}};
        auto list = makeList(PagedListController::Paging::ByFeedCursor);
        QSignalSpy updated(list.get(), &PagedListController::listUpdated);
        list->load();
        QVERIFY(updated.wait());
        QCOMPARE(list->feedCursor(), QStringLiteral("3"));
        list->loadMore();
        QVERIFY(updated.wait());
        list->refresh();
        QVERIFY(updated.wait());
        QCOMPARE(server->requests, QStringList({QStringLiteral("items.php?feedid=0"),
                                                QStringLiteral("items.php?feedid=3"),
                                                QStringLiteral("items.php?feedid=0")}));
        QCOMPARE(list->records()->count(), 3);
    }

    void filterBarListsShowTheBarInsteadOfRefreshing()
    {
        server->pageSizes = {{1, 2}};
        auto list = makeList();
        list->setRevealsFilterBar(true);
        list->setFilterBarTimings(50, 100);
        list->load();
        QCOMPARE(list->scroll()->topInset(), 60.0);
        QTRY_COMPARE(list->scroll()->topInset(), 0.0);
        drag(list->scroll(), -45);
        release(*list);
        QCOMPARE(list->scroll()->topInset(), 60.0);
        QTRY_COMPARE(list->scroll()->topInset(), 0.0);
        QCOMPARE(server->requests.size(), 1);
    }

    void destroyedListHearsNoReply()
    {
        server->pageSizes = {{1, 2}};
        auto list = makeList();
        list->load();
        QVERIFY(list->busy());
        list.reset();
        QTest::qWait(100);
        QCOMPARE(context->alerts().alertCount(), 0);
    }
};

QTEST_GUILESS_MAIN(PagedListTest)
#include "tst_pagedlist.moc"
