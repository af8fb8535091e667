#pragma once
// One page of the photo viewer: its photo, its frame in the paging strip and its zoom.
// The photo fits the page keeping its proportions (a photo smaller than the page shows
// at its own size) and zooms up to five times that; a zoomed photo pans within its
// edges. The view draws the photo at `imageRect` and animates when `zoomAnimated`.

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class KTPhotoScrollViewController;

class KTPhotoView : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the photo viewer")
    Q_PROPERTY(int index READ index CONSTANT)
    Q_PROPERTY(double frameX READ frameX NOTIFY frameChanged)
    Q_PROPERTY(double frameWidth READ frameWidth NOTIFY frameChanged)
    Q_PROPERTY(double frameHeight READ frameHeight NOTIFY frameChanged)
    Q_PROPERTY(QUrl placeholder READ placeholder NOTIFY imageChanged)
    Q_PROPERTY(bool hasImage READ hasImage NOTIFY imageChanged)
    Q_PROPERTY(double zoomScale READ zoomScale NOTIFY zoomChanged)
    Q_PROPERTY(bool zoomed READ isZoomed NOTIFY zoomChanged)
    Q_PROPERTY(bool zoomAnimated READ zoomAnimated NOTIFY zoomChanged)
    Q_PROPERTY(double imageX READ imageX NOTIFY zoomChanged)
    Q_PROPERTY(double imageY READ imageY NOTIFY zoomChanged)
    Q_PROPERTY(double imageWidth READ imageWidth NOTIFY zoomChanged)
    Q_PROPERTY(double imageHeight READ imageHeight NOTIFY zoomChanged)
public:
    static constexpr double kMaximumZoomFactor = 5;

    KTPhotoView(int index, KTPhotoScrollViewController *scroller, QObject *parent = nullptr);
    ~KTPhotoView() override;

    int index() const { return index_; }
    KTPhotoScrollViewController *scroller() const { return scroller_; }

    // The page's place in the strip. A new size keeps the zoom: the scale (within the
    // new range; a fitted photo fits again) and the photo's point at the page's centre.
    void setFrame(const QRectF &frame);
    QRectF frame() const { return frame_; }
    double frameX() const { return frame_.x(); }
    double frameWidth() const { return frame_.width(); }
    double frameHeight() const { return frame_.height(); }

    // Shows the placeholder, then the picture at `address` from the image loader.
    void setImageWithURL(const QString &address, const QUrl &placeholder);
    void setImage(const QImage &image);
    const QImage &image() const { return image_; }
    QUrl placeholder() const { return placeholder_; }
    bool hasImage() const { return !image_.isNull(); }

    double minimumZoomScale() const;
    double maximumZoomScale() const { return minimumZoomScale() * kMaximumZoomFactor; }
    double zoomScale() const { return scale_; }
    bool isZoomed() const;
    bool zoomAnimated() const { return animated_; }
    // Where the photo is drawn on the page, in page coordinates.
    QRectF imageRect() const;
    double imageX() const { return imageRect().x(); }
    double imageY() const { return imageRect().y(); }
    double imageWidth() const { return imageRect().width(); }
    double imageHeight() const { return imageRect().height(); }

    // Back to the whole photo.
    void turnOffZoom(bool animated = false);
    // The double tap: a fitted photo zooms to the maximum with the tapped point (page
    // coordinates) in the middle; a zoomed one returns to the whole photo. Animated.
    void toggleZoom(QPointF point);
    // Pinch and wheel: scales by `factor` within the range, keeping `about` in place.
    void zoomBy(double factor, QPointF about);
    // Moves a zoomed photo with the finger; returns the horizontal movement it could not
    // take because it reached its edge (all of it when the photo is not zoomed).
    double panBy(double dx, double dy);

signals:
    void frameChanged();
    void imageChanged();
    void zoomChanged();

private:
    QSizeF scaledSize() const;
    // The photo's point (in image pixels) shown at `point` of the page.
    QPointF imagePointAt(QPointF point) const;
    // Sets the scale and the offset that puts `imagePoint` at `pagePoint`, within edges.
    void zoomTo(double scale, QPointF imagePoint, QPointF pagePoint, bool animated);
    void clampOffset();

    int index_;
    KTPhotoScrollViewController *scroller_;
    QRectF frame_;
    QImage image_;
    QUrl placeholder_;
    double scale_ = 1;
    // The visible part's top-left within the scaled photo, when it exceeds the page.
    QPointF offset_;
    bool animated_ = false;
};
