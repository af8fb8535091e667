#include "KTPhotoImage.h"

#include "KTPhotoView.h"

#include <QPainter>

KTPhotoImage::KTPhotoImage(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void KTPhotoImage::setPhotoView(KTPhotoView *view)
{
    if (view == photoView_)
        return;
    if (photoView_)
        disconnect(photoView_, nullptr, this, nullptr);
    photoView_ = view;
    if (view)
        connect(view, &KTPhotoView::imageChanged, this, [this] { update(); });
    emit photoViewChanged();
    update();
}

void KTPhotoImage::setDrawnRect(const QRectF &rect)
{
    if (rect == drawnRect_)
        return;
    drawnRect_ = rect;
    emit drawnRectChanged();
    update();
}

void KTPhotoImage::paint(QPainter *painter)
{
    if (!photoView_ || !photoView_->hasImage() || drawnRect_.isEmpty())
        return;
    const QImage &image = photoView_->image();
    const QRectF visible = drawnRect_.intersected(boundingRect());
    if (visible.isEmpty())
        return;
    // The part of the photo behind the visible rectangle, in image pixels.
    const double sx = image.width() / drawnRect_.width();
    const double sy = image.height() / drawnRect_.height();
    const QRectF source((visible.x() - drawnRect_.x()) * sx, (visible.y() - drawnRect_.y()) * sy,
                        visible.width() * sx, visible.height() * sy);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(visible, image, source);
}
