#pragma once
// The QML element for remote images: shows the placeholder at once, then the image
// of its latest address from the shared loader, or the failure image when the address
// could not be loaded. A reused element shows only its latest address: setting a new
// one cancels the wait for the old. Placeholders are decoded once per process; the
// picture goes to the scene graph as a texture, without a paint buffer of the element's size.

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
    Q_PROPERTY(QUrl failureImage READ failureImage WRITE setFailureImage NOTIFY failureImageChanged)
    Q_PROPERTY(bool loaded READ loaded NOTIFY loadedChanged)
    Q_PROPERTY(bool failed READ failed NOTIFY failedChanged)
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
    // Drawn instead of the placeholder once loading failed; none keeps the placeholder.
    QUrl failureImage() const { return failureImage_; }
    void setFailureImage(const QUrl &image);
    bool loaded() const { return loaded_; }
    bool failed() const { return failed_; }
    // What the element draws now: the image, else the failure image or the placeholder.
    QImage currentImage() const;

    // Cancels the wait, shows the placeholder and asks for the address.
    void setImageWithURL(const QString &url, const QUrl &placeholder);
    void cancelCurrentImageLoad();

signals:
    void urlChanged();
    void placeholderChanged();
    void fillModeChanged();
    void failureImageChanged();
    void loadedChanged();
    void failedChanged();

protected:
    void componentComplete() override;
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    void load();
    void setLoaded(bool loaded);
    void setFailed(bool failed);
    void pictureChanged();

    QString url_;
    QUrl placeholder_;
    FillMode fillMode_ = Stretch;
    QUrl failureImage_;
    QImage image_;
    QImage placeholderImage_;
    QImage failureImageData_;
    bool loaded_ = false;
    bool failed_ = false;
    bool pictureChanged_ = true; // the scene graph needs a new texture
};
