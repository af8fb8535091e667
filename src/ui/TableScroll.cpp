#include "TableScroll.h"

void TableScroll::setContentHeight(double height)
{
    if (height == contentHeight_)
        return;
    contentHeight_ = height;
    emit sizesChanged();
}

void TableScroll::setFrameHeight(double height)
{
    if (height == frameHeight_)
        return;
    frameHeight_ = height;
    emit sizesChanged();
}

void TableScroll::setFooterHeight(double height)
{
    if (height == footerHeight_)
        return;
    footerHeight_ = height;
    emit sizesChanged();
}

void TableScroll::setTopInset(double inset, int animationMs)
{
    if (inset == topInset_ && animationMs == insetAnimationMs_)
        return;
    // The duration is set first so that the view's animation picks it up for this change.
    insetAnimationMs_ = animationMs;
    topInset_ = inset;
    emit insetsChanged();
}

void TableScroll::setContentOffsetY(double y)
{
    contentOffsetY_ = y;
    emit contentOffsetYChanged();
}

void TableScroll::setDragging(bool dragging)
{
    if (dragging == dragging_)
        return;
    dragging_ = dragging;
    emit draggingChanged();
}
