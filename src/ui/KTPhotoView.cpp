#include "KTPhotoView.h"

#include "KTPhotoScrollViewController.h"
#include "SDWebImageManager.h"
#include "platform/AppContext.h"

#include <algorithm>
#include <cmath>

namespace {
// Scales this close count as the same (pinch and resize arithmetic).
constexpr double kScaleTolerance = 1e-6;
} // namespace

KTPhotoView::KTPhotoView(int index, KTPhotoScrollViewController *scroller, QObject *parent)
    : QObject(parent), index_(index), scroller_(scroller)
{
}

KTPhotoView::~KTPhotoView() = default;

void KTPhotoView::setFrame(const QRectF &frame)
{
    if (frame == frame_)
        return;
    const bool resized = frame.size() != frame_.size();
    const bool wasZoomed = isZoomed();
    const QPointF centre = imagePointAt({frame_.width() / 2, frame_.height() / 2});
    frame_ = frame;
    emit frameChanged();
    if (!resized || !hasImage())
        return;
    const double scale =
        wasZoomed ? std::clamp(scale_, minimumZoomScale(), maximumZoomScale()) : minimumZoomScale();
    zoomTo(scale, centre, {frame_.width() / 2, frame_.height() / 2}, false);
}

void KTPhotoView::setImageWithURL(const QString &address, const QUrl &placeholder)
{
    placeholder_ = placeholder;
    emit imageChanged();
    if (address.isEmpty() || !scroller_ || !scroller_->context().hasImageManager())
        return;
    scroller_->context().imageManager().downloadWithURL(
        address, this, [this](const QImage &image, const QString &) {
            if (!image.isNull())
                setImage(image);
        });
}

void KTPhotoView::setImage(const QImage &image)
{
    image_ = image;
    emit imageChanged();
    turnOffZoom();
}

double KTPhotoView::minimumZoomScale() const
{
    if (!hasImage() || frame_.isEmpty())
        return 1;
    const double fit = std::min(frame_.width() / image_.width(), frame_.height() / image_.height());
    return std::min(fit, 1.0);
}

bool KTPhotoView::isZoomed() const
{
    return hasImage() && scale_ > minimumZoomScale() + kScaleTolerance;
}

QSizeF KTPhotoView::scaledSize() const
{
    return hasImage() ? QSizeF(image_.size()) * scale_ : QSizeF();
}

QRectF KTPhotoView::imageRect() const
{
    const QSizeF size = scaledSize();
    // A side smaller than the page is centred on it.
    const double x =
        size.width() <= frame_.width() ? (frame_.width() - size.width()) / 2 : -offset_.x();
    const double y =
        size.height() <= frame_.height() ? (frame_.height() - size.height()) / 2 : -offset_.y();
    return {x, y, size.width(), size.height()};
}

QPointF KTPhotoView::imagePointAt(QPointF point) const
{
    if (!hasImage())
        return {};
    const QRectF drawn = imageRect();
    return (point - drawn.topLeft()) / scale_;
}

void KTPhotoView::zoomTo(double scale, QPointF imagePoint, QPointF pagePoint, bool animated)
{
    scale_ = scale;
    offset_ = imagePoint * scale - pagePoint;
    clampOffset();
    animated_ = animated;
    emit zoomChanged();
}

void KTPhotoView::clampOffset()
{
    const QSizeF size = scaledSize();
    offset_.setX(std::clamp(offset_.x(), 0.0, std::max(0.0, size.width() - frame_.width())));
    offset_.setY(std::clamp(offset_.y(), 0.0, std::max(0.0, size.height() - frame_.height())));
}

void KTPhotoView::turnOffZoom(bool animated)
{
    scale_ = minimumZoomScale();
    offset_ = {};
    animated_ = animated;
    emit zoomChanged();
}

void KTPhotoView::toggleZoom(QPointF point)
{
    if (!hasImage())
        return;
    if (isZoomed()) {
        turnOffZoom(true);
        return;
    }
    zoomTo(maximumZoomScale(), imagePointAt(point), {frame_.width() / 2, frame_.height() / 2},
           true);
}

void KTPhotoView::zoomBy(double factor, QPointF about)
{
    if (!hasImage() || !(factor > 0))
        return;
    const double scale = std::clamp(scale_ * factor, minimumZoomScale(), maximumZoomScale());
    zoomTo(scale, imagePointAt(about), about, false);
}

double KTPhotoView::panBy(double dx, double dy)
{
    if (!isZoomed())
        return dx;
    const QPointF before = offset_;
    offset_ -= QPointF(dx, dy);
    clampOffset();
    animated_ = false;
    if (offset_ != before)
        emit zoomChanged();
    // What the photo moved, in finger terms, is the offset's change reversed.
    return dx + (offset_.x() - before.x());
}
