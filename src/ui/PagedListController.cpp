#include "PagedListController.h"

#include "api/JSONFetcher.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Session.h"

PagedListController::PagedListController(AppContext &context, ListRequest request, QObject *parent)
    : BLKTableViewController(context, parent), request_(std::move(request)),
      records_(new RecordListModel(this))
{
    filterBarTimer_.setSingleShot(true);
    connect(&filterBarTimer_, &QTimer::timeout, this, [this] { refreshCompleted(); });
}

PagedListController::~PagedListController()
{
    if (fetcher_)
        fetcher_->cancel();
}

void PagedListController::setFilterBarTimings(int firstShowMs, int pulledShowMs)
{
    filterBarFirstShowMs_ = firstShowMs;
    filterBarPulledShowMs_ = pulledShowMs;
}

void PagedListController::viewDidLoad()
{
    BLKTableViewController::viewDidLoad();
    if (revealsFilterBar_)
        scroll()->setTopInset(kFilterBarInset);
    fetch();
    if (revealsFilterBar_)
        scheduleRefreshCompleted(filterBarFirstShowMs_);
}

void PagedListController::scheduleRefreshCompleted(int milliseconds)
{
    filterBarTimer_.start(milliseconds);
}

bool PagedListController::isFirstPage() const
{
    return request_.paging == Paging::ByPage ? currentPage() == 1
                                             : feedCursor_ == QLatin1String("0");
}

void PagedListController::fetch()
{
    if (fetcher_)
        return;
    QVariantMap parameters = this->parameters();
    if (request_.paging == Paging::ByPage)
        parameters.insert(QStringLiteral("page"), QString::number(currentPage()));
    else
        parameters.insert(QStringLiteral("feedid"), feedCursor_);

    auto *fetcher =
        new JSONFetcher(context(), context().session().apiServerAddress, request_.script,
                        parameters, this, [this](JSONFetcher *f) { receivedListResponse(f); });
    fetcher->setParent(this);
    fetcher_ = fetcher;
    emit busyChanged();
    fetcher->start();
}

void PagedListController::refresh()
{
    if (revealsFilterBar_) {
        // These lists reload through their own buttons; a pull only shows the bar a while.
        scheduleRefreshCompleted(filterBarPulledShowMs_);
        return;
    }
    setCurrentPage(1);
    feedCursor_ = QStringLiteral("0");
    fetch();
}

void PagedListController::loadMore()
{
    BLKTableViewController::loadMore();
    if (fetcher_)
        return;
    // A feed list continues after the cursor it already holds.
    if (request_.paging == Paging::ByPage)
        setCurrentPage(currentPage() + 1);
    fetch();
}

void PagedListController::receivedListResponse(JSONFetcher *fetcher)
{
    if (fetcher->status() == 1 && fetcher->result()) {
        const nuvora::json::Value &list = (*fetcher->result())[request_.replyKey.toStdString()];
        const nuvora::json::Array &elements = list.asArray();
        if (isFirstPage())
            records_->clear();
        QVariantList appended;
        appended.reserve(qsizetype(elements.size()));
        for (const nuvora::json::Value &element : elements)
            appended.append(request_.makeRecord(element));
        records_->append(appended);
        if (request_.paging == Paging::ByFeedCursor && !elements.empty())
            feedCursor_ = QString::fromStdString(elements.back()["feedid"].toText());
        setCanLoadMore(int(elements.size()) >= std::max(1, request_.fullPageSize));
        emit listUpdated();
    } else {
        context().alerts().showCommonAlert(fetcher->message(), QString());
    }
    if (!revealsFilterBar_)
        refreshCompleted();
    loadMoreCompleted();
    fetcher_ = nullptr;
    fetcher->deleteLater();
    emit busyChanged();
}
