#include "KTPhotoScrollViewController.h"

#include "KTPhotoView.h"
#include "platform/AppContext.h"
#include "platform/ClockTimer.h"

#include <cmath>

namespace {
// How far the strip follows the finger past its first or last page, as a share of a
// page, and how much it resists there.
constexpr double kBounceLimit = 1.0 / 3;
constexpr double kBounceResistance = 0.5;
// Wheel notches (120 each) per doubling of the zoom.
constexpr double kWheelDeltaPerDoubling = 480;
} // namespace

KTPhotoScrollViewController::KTPhotoScrollViewController(
    AppContext &context, std::unique_ptr<KTPhotoBrowserDataSource> dataSource, int startWithIndex,
    QObject *parent)
    : ViewController(context, parent), dataSource_(std::move(dataSource)),
      startWithIndex_(startWithIndex),
      photoCount_(dataSource_ ? std::max(dataSource_->numberOfPhotos(), 0) : 0),
      photoViews_(size_t(photoCount_), nullptr),
      chromeHideTimer_(new ClockTimer(context.clock(), this)),
      tapTimer_(new ClockTimer(context.clock(), this))
{
    connect(chromeHideTimer_, &ClockTimer::timeout, this, &KTPhotoScrollViewController::hideChrome);
    connect(tapTimer_, &ClockTimer::timeout, this,
            &KTPhotoScrollViewController::toggleChromeDisplay);
}

KTPhotoScrollViewController::~KTPhotoScrollViewController() = default;

QString KTPhotoScrollViewController::title() const
{
    if (photoCount_ == 0)
        return {};
    return QStringLiteral("%1/%2").arg(currentIndex_ + 1).arg(photoCount_);
}

bool KTPhotoScrollViewController::isChromeHideTimerActive() const
{
    return chromeHideTimer_->isActive();
}

KTPhotoView *KTPhotoScrollViewController::photoViewAt(int index) const
{
    return index >= 0 && index < photoCount_ ? photoViews_[size_t(index)] : nullptr;
}

QQmlListProperty<KTPhotoView> KTPhotoScrollViewController::photoViewList()
{
    return QQmlListProperty<KTPhotoView>(this, &loadedViews_);
}

QList<int> KTPhotoScrollViewController::loadedIndexes() const
{
    QList<int> indexes;
    for (int index = 0; index < photoCount_; ++index) {
        if (photoViews_[size_t(index)])
            indexes.append(index);
    }
    return indexes;
}

void KTPhotoScrollViewController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    setCurrentIndex(startWithIndex_);
    scrollToIndex(currentIndex_, false);
    startChromeHideTimer();
}

void KTPhotoScrollViewController::viewDidDisappear(bool animated)
{
    ViewController::viewDidDisappear(animated);
    chromeHideTimer_->stop();
    tapTimer_->stop();
}

QRectF KTPhotoScrollViewController::frameForPage(int index) const
{
    return {index * stripWidth() + kGutter, 0, viewWidth_, viewHeight_};
}

void KTPhotoScrollViewController::setCurrentIndex(int index)
{
    // A caller's index past the ends, or a strip bounced beyond them, reads as the end.
    index = clampedIndex(index);
    currentIndex_ = index;
    if (photoCount_ > 0) {
        bool changed = false;
        for (int other = 0; other < photoCount_; ++other) {
            if (std::abs(other - index) > 1 && photoViews_[size_t(other)]) {
                unloadPhoto(other);
                changed = true;
            }
        }
        for (int page : {index, index + 1, index - 1}) {
            if (page >= 0 && page < photoCount_ && !photoViews_[size_t(page)]) {
                loadPhoto(page);
                changed = true;
            }
        }
        if (changed) {
            loadedViews_.clear();
            for (KTPhotoView *view : photoViews_) {
                if (view)
                    loadedViews_.append(view);
            }
            emit photoViewsChanged();
        }
    }
    emit indexChanged();
}

void KTPhotoScrollViewController::loadPhoto(int index)
{
    auto *view = new KTPhotoView(index, this, this);
    view->setFrame(frameForPage(index));
    photoViews_[size_t(index)] = view;
    if (dataSource_)
        dataSource_->imageAtIndexPhotoView(index, *view);
}

void KTPhotoScrollViewController::unloadPhoto(int index)
{
    KTPhotoView *view = photoViews_[size_t(index)];
    photoViews_[size_t(index)] = nullptr;
    // The view may still be drawing it in this event.
    view->deleteLater();
}

bool KTPhotoScrollViewController::isPageVisible(int index) const
{
    const QRectF page = frameForPage(index);
    const double left = contentOffsetX_ + kGutter;
    return page.left() < left + viewWidth_ && page.right() > left;
}

int KTPhotoScrollViewController::centredPage() const
{
    return clampedIndex(int(std::lround(contentOffsetX_ / stripWidth())));
}

QPointF KTPhotoScrollViewController::pagePoint(int page, double x, double y) const
{
    return {x + contentOffsetX_ + kGutter - frameForPage(page).x(), y};
}

void KTPhotoScrollViewController::scrollToIndex(int index, bool animated)
{
    setScrollTarget(clampedIndex(index) * stripWidth(), animated);
}

void KTPhotoScrollViewController::setScrollTarget(double x, bool animated)
{
    scrollTargetX_ = x;
    scrollAnimated_ = animated;
    emit scrollTargetChanged();
    // Without an animation the strip is there at once.
    if (!animated)
        scrollViewDidScroll(x);
}

void KTPhotoScrollViewController::scrollViewDidScroll(double offsetX)
{
    contentOffsetX_ = offsetX;
    const int index = int(std::floor(offsetX / stripWidth()));
    if (clampedIndex(index) != currentIndex_)
        setCurrentIndex(index);
    // A page is fitted again once it is out of sight, not while it is still being seen.
    for (KTPhotoView *view : photoViews_) {
        if (view && view->isZoomed() && !isPageVisible(view->index()))
            view->turnOffZoom();
    }
}

void KTPhotoScrollViewController::nextPhoto()
{
    scrollToIndex(currentIndex_ + 1, true);
    startChromeHideTimer();
}

void KTPhotoScrollViewController::previousPhoto()
{
    scrollToIndex(currentIndex_ - 1, true);
    startChromeHideTimer();
}

void KTPhotoScrollViewController::startChromeHideTimer()
{
    chromeHideTimer_->start(kChromeHideMs);
}

void KTPhotoScrollViewController::hideChrome()
{
    chromeHideTimer_->stop();
    if (chromeHidden_)
        return;
    chromeHidden_ = true;
    emit chromeChanged();
}

void KTPhotoScrollViewController::showChrome()
{
    startChromeHideTimer();
    if (!chromeHidden_)
        return;
    chromeHidden_ = false;
    emit chromeChanged();
}

void KTPhotoScrollViewController::toggleChromeDisplay()
{
    if (chromeHidden_)
        showChrome();
    else
        hideChrome();
}

void KTPhotoScrollViewController::setViewSize(double width, double height)
{
    if (width <= 0 || height <= 0 || (width == viewWidth_ && height == viewHeight_))
        return;
    const double oldStripWidth = stripWidth();
    firstVisiblePageIndexBeforeRotation_ =
        clampedIndex(int(std::floor(contentOffsetX_ / oldStripWidth)));
    percentScrolledIntoFirstVisiblePage_ =
        (contentOffsetX_ - firstVisiblePageIndexBeforeRotation_ * oldStripWidth) / oldStripWidth;

    viewWidth_ = width;
    viewHeight_ = height;
    emit layoutChanged();
    for (KTPhotoView *view : photoViews_) {
        if (view)
            view->setFrame(frameForPage(view->index()));
    }
    setScrollTarget((firstVisiblePageIndexBeforeRotation_ + percentScrolledIntoFirstVisiblePage_)
                        * stripWidth(),
                    false);
    if (!chromeHidden_)
        startChromeHideTimer();
}

void KTPhotoScrollViewController::scrollViewWillBeginDragging()
{
    hideChrome();
    // A drag stops the strip where it is.
    setScrollTarget(contentOffsetX_, false);
    dragStartPage_ = centredPage();
}

void KTPhotoScrollViewController::dragBy(double dx, double dy)
{
    if (photoCount_ == 0)
        return;
    const int page = centredPage();
    const double pageOffset = page * stripWidth();
    double wanted = -dx; // the strip's offset moves against the finger
    double offset = contentOffsetX_;
    // A strip moved off its page goes back to it before the photo pans again.
    const double displacement = offset - pageOffset;
    if (displacement != 0 && (wanted > 0) != (displacement > 0)) {
        const double back =
            std::copysign(std::min(std::abs(wanted), std::abs(displacement)), wanted);
        offset += back;
        wanted -= back;
    }
    // A zoomed photo pans first; what it cannot take at its edge moves the strip.
    if (KTPhotoView *view = photoViewAt(page))
        wanted = -view->panBy(-wanted, dy);
    const double first = 0;
    const double last = (photoCount_ - 1) * stripWidth();
    double next = offset + wanted;
    if (next < first)
        next = std::max(first - stripWidth() * kBounceLimit,
                        std::min(offset, first)
                            + (next - std::min(offset, first)) * kBounceResistance);
    else if (next > last)
        next =
            std::min(last + stripWidth() * kBounceLimit,
                     std::max(offset, last) + (next - std::max(offset, last)) * kBounceResistance);
    if (next != contentOffsetX_)
        setScrollTarget(next, false);
}

void KTPhotoScrollViewController::scrollViewDidEndDragging(double velocityX)
{
    const double moved = contentOffsetX_ - dragStartPage_ * stripWidth();
    int page = dragStartPage_;
    if (moved > stripWidth() / 2 || (moved > 0 && velocityX < -kFlickVelocity))
        page = dragStartPage_ + 1;
    else if (moved < -stripWidth() / 2 || (moved < 0 && velocityX > kFlickVelocity))
        page = dragStartPage_ - 1;
    scrollToIndex(page, true);
}

void KTPhotoScrollViewController::photoTapped(double x, double y)
{
    // A second tap within the delay is a double tap: it zooms instead of toggling the bars.
    if (tapTimer_->isActive()) {
        tapTimer_->stop();
        const int page = centredPage();
        if (KTPhotoView *view = photoViewAt(page))
            view->toggleZoom(pagePoint(page, x, y));
        return;
    }
    tapTimer_->start(kTapDelayMs);
}

void KTPhotoScrollViewController::pinchBy(double factor, double x, double y)
{
    const int page = centredPage();
    if (KTPhotoView *view = photoViewAt(page))
        view->zoomBy(factor, pagePoint(page, x, y));
}

void KTPhotoScrollViewController::wheelBy(double angleDelta, double x, double y)
{
    pinchBy(std::pow(2.0, angleDelta / kWheelDeltaPerDoubling), x, y);
}
