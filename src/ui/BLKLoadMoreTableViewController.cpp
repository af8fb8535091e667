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
}

void BLKLoadMoreTableViewController::setCanLoadMore(bool canLoadMore)
{
    if (canLoadMore == canLoadMore_)
        return;
    canLoadMore_ = canLoadMore;
    emit canLoadMoreChanged();
}

void BLKLoadMoreTableViewController::loadMore()
{
    footer_->startLoading();
}

void BLKLoadMoreTableViewController::loadMoreCompleted()
{
    footer_->stopLoading(canLoadMore_);
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
    if (y > 0 && canLoadMore_ && y > bottom)
        loadMore();
}
