#pragma once
// The QML element for remote images: shows the placeholder at once, then the image
// of its latest address from the shared loader. A reused element shows only its latest
// address: setting a new one cancels the wait for the old. The picture goes to the scene
// graph as a texture, without a paint buffer of the element's size.

#include <QImage>
#include <QQuickItem>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class WebImage : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString url READ url WRITE setUrl NOTIFY urlChanged)
    Q_PROPERTY(QUrl placeholder READ placeholder WRITE setPlaceholder NOTIFY placeholderChanged)
    Q_PROPERTY(FillMode fillMode READ fillMode WRITE setFillMode NOTIFY fillModeChanged)
    Q_PROPERTY(bool loaded READ loaded NOTIFY loadedChanged)
public:
    enum FillMode { Stretch, PreserveAspectCrop, PreserveAspectFit };
    Q_ENUM(FillMode)

    explicit WebImage(QQuickItem *parent = nullptr);
    ~WebImage() override;

    QString url() const { return url_; }
    void setUrl(const QString &url);
    QUrl placeholder() const { return placeholder_; }
    void setPlaceholder(const QUrl &placeholder);
    FillMode fillMode() const { return fillMode_; }
    void setFillMode(FillMode mode);
    bool loaded() const { return loaded_; }
    // What the element draws now: the image, else the placeholder.
    QImage currentImage() const { return loaded_ ? image_ : placeholderImage_; }

    // Cancels the wait, shows the placeholder and asks for the address.
    void setImageWithURL(const QString &url, const QUrl &placeholder);
    void cancelCurrentImageLoad();

signals:
    void urlChanged();
    void placeholderChanged();
    void fillModeChanged();
    void loadedChanged();

protected:
    void componentComplete() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void load();
    void setLoaded(bool loaded);
    void pictureChanged();

    QString url_;
    QUrl placeholder_;
    FillMode fillMode_ = Stretch;
    QImage image_;
    QImage placeholderImage_;
    bool loaded_ = false;
    bool pictureChanged_ = true; // the scene graph needs a new texture
};
