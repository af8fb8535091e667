#include "BLKTableViewController.h"

#include "platform/AppContext.h"
#include "platform/Clock.h"

BLKTableViewController::BLKTableViewController(AppContext &context, QObject *parent)
    : BLKLoadMoreTableViewController(context, parent),
      header_(new EGORefreshTableHeaderView(scroll()->frameHeight(), context.settings(), this))
{
    connect(scroll(), &TableScroll::sizesChanged, header_,
            [this] { header_->setHeight(scroll()->frameHeight()); });
}

void BLKTableViewController::viewDidLoad()
{
    header_->setDelegate(this);
    BLKLoadMoreTableViewController::viewDidLoad();
}

void BLKTableViewController::refresh()
{
    refreshCompleted();
}

void BLKTableViewController::refreshCompleted()
{
    header_->egoRefreshScrollViewDataSourceDidFinishedLoading(*scroll());
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
