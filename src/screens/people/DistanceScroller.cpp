#include "DistanceScroller.h"

#include "platform/ClockTimer.h"
#include "ui/TableScroll.h"

#include <algorithm>

DistanceScroller::DistanceScroller(DistanceScrollerDelegate &delegate, Clock &clock,
                                   QObject *parent)
    : QObject(parent), delegate_(delegate), hideTimer_(new ClockTimer(clock, this))
{
    connect(hideTimer_, &ClockTimer::timeout, this, [this] {
        setShown(false);
        thumbShown_ = false;
        emit thumbChanged();
    });
}

void DistanceScroller::scrollViewWillBeginDragging()
{
    hideTimer_->stop();
    follow();
    setShown(true);
}

void DistanceScroller::scrollViewDidScroll()
{
    follow();
}

void DistanceScroller::scrollViewDidEndDecelerating()
{
    hideTimer_->start(kHideDelayMs);
}

void DistanceScroller::follow()
{
    const TableScroll *table = delegate_.tableViewForDistanceScroller();
    if (!table)
        return;
    // The thumb covers the visible share of everything scrollable, the rows plus the
    // inset above them, and travels along the frame as the offset does.
    const double frame = table->frameHeight();
    const double total = table->contentHeight() + table->topInset();
    const double range = total - frame;
    thumbHeight_ =
        range > 0 ? std::clamp(frame * frame / total, kMinimumThumbHeight, frame) : frame;
    const double travelled =
        range > 0 ? std::clamp((table->contentOffsetY() + table->topInset()) / range, 0.0, 1.0) : 0;
    thumbY_ = travelled * (frame - thumbHeight_);
    thumbShown_ = true;
    emit thumbChanged();

    const int row = delegate_.rowAtContentY(table->contentOffsetY() + centerY());
    const QString text = row >= 0 ? delegate_.distanceForCell(row) : QString();
    if (text != text_) {
        const bool wasShown = shown();
        text_ = text;
        emit textChanged();
        if (shown() != wasShown)
            emit shownChanged();
    }
}

void DistanceScroller::setShown(bool shown)
{
    if (shown == shown_)
        return;
    const bool wasShown = this->shown();
    shown_ = shown;
    if (this->shown() != wasShown)
        emit shownChanged();
}
