#pragma once
// Draws a viewer page's photo into the rectangle the view animates towards the page's
// zoom (`drawnRect`), painting only the part inside the page, so that a photo zoomed
// five times costs no more to draw than a fitted one.

#include "KTPhotoView.h"

#include <QPointer>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

class KTPhotoImage : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(KTPhotoView *photoView READ photoView WRITE setPhotoView NOTIFY photoViewChanged)
    Q_PROPERTY(QRectF drawnRect READ drawnRect WRITE setDrawnRect NOTIFY drawnRectChanged)
public:
    explicit KTPhotoImage(QQuickItem *parent = nullptr);

    KTPhotoView *photoView() const { return photoView_; }
    void setPhotoView(KTPhotoView *view);
    QRectF drawnRect() const { return drawnRect_; }
    void setDrawnRect(const QRectF &rect);

    void paint(QPainter *painter) override;

signals:
    void photoViewChanged();
    void drawnRectChanged();

private:
    QPointer<KTPhotoView> photoView_;
    QRectF drawnRect_;
};
