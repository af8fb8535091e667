#include "ADsView.h"

#include <cmath>

ADsView::ADsView(std::vector<AdItem> items, QObject *parent)
    : QObject(parent), items_(std::move(items))
{
    connect(&timer_, &QTimer::timeout, this, &ADsView::animateADs);
    startTimer(autoAdvanceMs_);
}

QStringList ADsView::pageImages() const
{
    QStringList images;
    for (const AdItem &item : items_)
        images << item.img;
    if (!items_.empty())
        images << items_.front().img;
    return images;
}

void ADsView::setTimerIntervals(int autoAdvanceMs, int afterDragMs)
{
    autoAdvanceMs_ = autoAdvanceMs;
    afterDragMs_ = afterDragMs;
    if (timer_.isActive())
        startTimer(autoAdvanceMs_);
}

void ADsView::startTimer(int milliseconds)
{
    timer_.start(milliseconds);
}

void ADsView::setCurrentPage(int page)
{
    if (page == currentPage_)
        return;
    currentPage_ = page;
    emit currentPageChanged();
}

void ADsView::scrollTo(double x, bool animated)
{
    offsetX_ = x;
    emit scrollRequested(x, animated);
    scrollViewDidScroll(x);
}

void ADsView::animateADs()
{
    int next = currentPage_ + 1;
    if (next >= pages())
        next = 0;
    scrollTo(next * kPageWidth, true);
}

void ADsView::changePage(int page)
{
    scrollTo(page * kPageWidth, true);
}

void ADsView::adButtonTapped(int page)
{
    timer_.stop();
    emit clickWhichADButton(page >= pages() ? 0 : page);
}

void ADsView::scrollViewDidScroll(double position)
{
    offsetX_ = position;
    const long x = std::lround(std::trunc(position));
    const long page = long(kPageWidth);
    const long end = pages() * page;
    if (x < 0) {
        scrollTo(double(end), false);
        return;
    }
    if (x > end) {
        scrollTo(0, false);
        return;
    }
    if (x / page == pages())
        setCurrentPage(0);
    else if (x % page == 0)
        setCurrentPage(int(x / page));
}

void ADsView::scrollViewWillBeginDragging()
{
    timer_.stop();
}

void ADsView::scrollViewDidEndDragging()
{
    if (!timer_.isActive())
        startTimer(afterDragMs_);
}

void ADsView::scrollViewWillBeginDecelerating()
{
    if (long(offsetX_ / kPageWidth) == pages())
        scrollTo(0, false);
}
