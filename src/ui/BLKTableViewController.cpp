#include "BLKTableViewController.h"

#include "platform/AppContext.h"
#include "platform/Clock.h"

BLKTableViewController::BLKTableViewController(AppContext &context, QObject *parent)
    : BLKLoadMoreTableViewController(context, parent),
      header_(new EGORefreshTableHeaderView(scroll()->frameHeight(), context.settings(), this))
{
    connect(scroll(), &TableScroll::sizesChanged, header_,
            [this] { header_->setHeight(scroll()->frameHeight()); });
    filterBarTimer_.setSingleShot(true);
    connect(&filterBarTimer_, &QTimer::timeout, this, [this] { refreshCompleted(); });
}

void BLKTableViewController::setFilterBarTimings(int firstShowMs, int pulledShowMs)
{
    filterBarFirstShowMs_ = firstShowMs;
    filterBarPulledShowMs_ = pulledShowMs;
}

void BLKTableViewController::setRevealsFilterBar(bool reveals)
{
    if (reveals == revealsFilterBar_)
        return;
    revealsFilterBar_ = reveals;
    emit pullRefreshHeaderChanged();
}

void BLKTableViewController::viewDidLoad()
{
    header_->setDelegate(this);
    if (revealsFilterBar_)
        scroll()->setTopInset(kFilterBarInset);
    BLKLoadMoreTableViewController::viewDidLoad();
    if (revealsFilterBar_)
        filterBarTimer_.start(filterBarFirstShowMs_);
}

void BLKTableViewController::refresh()
{
    if (revealsFilterBar_) {
        filterBarTimer_.start(filterBarPulledShowMs_);
        return;
    }
    if (query())
        query()->reload();
    else
        refreshCompleted();
}

void BLKTableViewController::refreshCompleted()
{
    header_->egoRefreshScrollViewDataSourceDidFinishedLoading(*scroll());
}

void BLKTableViewController::listRequestFinished(bool succeeded)
{
    // The filter bar hides on its own timer, not when a page arrives.
    if (!revealsFilterBar_)
        refreshCompleted();
    BLKLoadMoreTableViewController::listRequestFinished(succeeded);
}

void BLKTableViewController::scrollViewDidScroll()
{
    BLKLoadMoreTableViewController::scrollViewDidScroll();
    header_->egoRefreshScrollViewDidScroll(*scroll());
}

void BLKTableViewController::scrollViewDidEndDragging(bool willDecelerate)
{
    BLKLoadMoreTableViewController::scrollViewDidEndDragging(willDecelerate);
    header_->egoRefreshScrollViewDidEndDragging(*scroll());
}

std::optional<QDateTime> BLKTableViewController::egoRefreshTableHeaderDataSourceLastUpdated()
{
    return context().clock().now();
}
