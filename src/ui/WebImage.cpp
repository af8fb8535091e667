#include "WebImage.h"

#include "SDWebImageManager.h"
#include "ThemeImageProvider.h"

#include <QHash>
#include <QQuickWindow>
#include <QSGImageNode>

namespace {

QImage decodeResource(const QUrl &source)
{
    if (source.isEmpty())
        return {};
    // The view's own pictures, as the placeholders have always been drawn: one pixel per point.
    if (source.scheme() == QLatin1String("image") && source.host() == ThemeImageProvider::kId)
        return ThemeImageProvider::image(source.path().mid(1), 1);
    if (source.scheme() == QLatin1String("qrc"))
        return QImage(QLatin1Char(':') + source.path());
    if (source.isLocalFile())
        return QImage(source.toLocalFile());
    return QImage(source.toString());
}

// The few placeholder pictures are shown by hundreds of elements: each is decoded once
// and shared (QImage shares its pixels).
QImage placeholderImage(const QUrl &source)
{
    static QHash<QUrl, QImage> decoded;
    const auto found = decoded.constFind(source);
    if (found != decoded.constEnd())
        return *found;
    return *decoded.insert(source, decodeResource(source));
}

} // namespace

WebImage::WebImage(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

WebImage::~WebImage()
{
    cancelCurrentImageLoad();
}

void WebImage::setUrl(const QString &url)
{
    if (url == url_)
        return;
    url_ = url;
    emit urlChanged();
    if (isComponentComplete())
        load();
}

void WebImage::setPlaceholder(const QUrl &placeholder)
{
    if (placeholder == placeholder_)
        return;
    placeholder_ = placeholder;
    placeholderImage_ = placeholderImage(placeholder);
    emit placeholderChanged();
    pictureChanged();
}

void WebImage::setFillMode(FillMode mode)
{
    if (mode == fillMode_)
        return;
    fillMode_ = mode;
    emit fillModeChanged();
    update();
}

void WebImage::setFailureImage(const QUrl &image)
{
    if (image == failureImage_)
        return;
    failureImage_ = image;
    failureImageData_ = placeholderImage(image);
    emit failureImageChanged();
    pictureChanged();
}

QImage WebImage::currentImage() const
{
    if (loaded_)
        return image_;
    if (failed_ && !failureImageData_.isNull())
        return failureImageData_;
    return placeholderImage_;
}

void WebImage::setImageWithURL(const QString &url, const QUrl &placeholder)
{
    setPlaceholder(placeholder);
    if (url != url_) {
        url_ = url;
        emit urlChanged();
    }
    load();
}

void WebImage::cancelCurrentImageLoad()
{
    if (auto *manager = SDWebImageManager::sharedManager())
        manager->cancelForDelegate(this);
}

void WebImage::componentComplete()
{
    QQuickItem::componentComplete();
    load();
}

void WebImage::load()
{
    cancelCurrentImageLoad();
    image_ = QImage();
    setLoaded(false);
    setFailed(false);
    pictureChanged();
    auto *manager = SDWebImageManager::sharedManager();
    if (url_.isEmpty() || !manager)
        return;
    manager->downloadWithURL(url_, this, [this](const QImage &image, const QString &) {
        if (image.isNull()) {
            setFailed(true);
        } else {
            image_ = image;
            setLoaded(true);
        }
        pictureChanged();
    });
}

void WebImage::setLoaded(bool loaded)
{
    if (loaded == loaded_)
        return;
    loaded_ = loaded;
    emit loadedChanged();
}

void WebImage::setFailed(bool failed)
{
    if (failed == failed_)
        return;
    failed_ = failed;
    emit failedChanged();
}

void WebImage::pictureChanged()
{
    pictureChanged_ = true;
    update();
}

void WebImage::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    update();
}

QSGNode *WebImage::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<QSGImageNode *>(oldNode);
    const QImage shown = currentImage();
    if (shown.isNull() || width() <= 0 || height() <= 0) {
        delete node;
        return nullptr;
    }
    if (pictureChanged_ || !node) {
        // A new node for a new picture: the node owns its texture and frees it with itself.
        delete node;
        node = window()->createImageNode();
        node->setOwnsTexture(true);
        node->setFiltering(QSGTexture::Linear);
        node->setTexture(window()->createTextureFromImage(shown));
        pictureChanged_ = false;
    }
    const QRectF target = boundingRect();
    const QSizeF pixels = shown.size();
    if (fillMode_ == PreserveAspectCrop) {
        const QSizeF cropped = target.size().scaled(pixels, Qt::KeepAspectRatio);
        node->setRect(target);
        node->setSourceRect(QRectF(QPointF((pixels.width() - cropped.width()) / 2,
                                           (pixels.height() - cropped.height()) / 2),
                                   cropped));
    } else if (fillMode_ == PreserveAspectFit) {
        const QSizeF fitted = pixels.scaled(target.size(), Qt::KeepAspectRatio);
        node->setRect(
            QRectF(target.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted));
        node->setSourceRect(QRectF(QPointF(), pixels));
    } else {
        node->setRect(target);
        node->setSourceRect(QRectF(QPointF(), pixels));
    }
    return node;
}
