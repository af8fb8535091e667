#include "BLKLoadMoreTableViewController.h"

BLKLoadMoreTableViewController::BLKLoadMoreTableViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), scroll_(new TableScroll(this)),
      footer_(new LoadMoreFooterView(this))
{
    scroll_->setFrameHeight(kTableHeight);
    scroll_->setFooterHeight(LoadMoreFooterView::kHeight);
    connect(scroll_, &TableScroll::contentOffsetYChanged, this, [this] { scrollViewDidScroll(); });
}

void BLKLoadMoreTableViewController::viewDidLoad()
{
    setCanLoadMore(true);
    currentPage_ = 1;
    ViewController::viewDidLoad();
    if (query_)
        query_->reload();
}

void BLKLoadMoreTableViewController::setQuery(PagedQuery *query)
{
    if (query == query_)
        return;
    disconnect(finishedConnection_);
    disconnect(canLoadMoreConnection_);
    disconnect(loadingConnection_);
    query_ = query;
    if (query) {
        finishedConnection_ = connect(query, &PagedQuery::finished, this,
                                      &BLKLoadMoreTableViewController::listRequestFinished);
        canLoadMoreConnection_ = connect(query, &PagedQuery::canLoadMoreChanged, this,
                                         &BLKLoadMoreTableViewController::canLoadMoreChanged);
        loadingConnection_ = connect(query, &PagedQuery::busyChanged, this, [this] {
            // Every page on its way shows in the footer, the first one too.
            if (query_ && query_->busy())
                footer_->startLoading();
            emit loadingChanged();
        });
        // The footer of the list now shown.
        if (query->busy())
            footer_->startLoading();
        else
            footer_->stopLoading(query->canLoadMore());
    }
    emit queryChanged();
    emit canLoadMoreChanged();
    emit loadingChanged();
}

void BLKLoadMoreTableViewController::setCanLoadMore(bool canLoadMore)
{
    if (canLoadMore == canLoadMore_)
        return;
    canLoadMore_ = canLoadMore;
    if (!query_)
        emit canLoadMoreChanged();
}

void BLKLoadMoreTableViewController::loadMore()
{
    footer_->startLoading();
    // The query's own guard keeps repeated scroll events from asking a page twice.
    if (query_)
        query_->loadMore();
}

void BLKLoadMoreTableViewController::loadMoreCompleted()
{
    footer_->stopLoading(canLoadMore());
}

void BLKLoadMoreTableViewController::listRequestFinished(bool succeeded)
{
    Q_UNUSED(succeeded)
    loadMoreCompleted();
}

void BLKLoadMoreTableViewController::scrollViewDidEndDragging(bool willDecelerate)
{
    Q_UNUSED(willDecelerate)
}

void BLKLoadMoreTableViewController::scrollViewDidScroll()
{
    // A list shorter than the table meets the bottom condition as soon as it is pushed up.
    const double y = scroll_->contentOffsetY();
    const double bottom =
        scroll_->contentHeight() - scroll_->frameHeight() - scroll_->footerHeight();
    if (y > 0 && canLoadMore() && y > bottom)
        loadMore();
}
