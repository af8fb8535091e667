#include "WebImage.h"

#include "SDWebImageManager.h"

#include <QHash>
#include <QPainter>

namespace {

QImage decodeResource(const QUrl &source)
{
    if (source.isEmpty())
        return {};
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

WebImage::WebImage(QQuickItem *parent) : QQuickPaintedItem(parent)
{
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
    update();
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
    update();
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
    QQuickPaintedItem::componentComplete();
    load();
}

void WebImage::load()
{
    cancelCurrentImageLoad();
    image_ = QImage();
    setLoaded(false);
    setFailed(false);
    update();
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
        update();
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

void WebImage::paint(QPainter *painter)
{
    const QImage shown = currentImage();
    if (shown.isNull())
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF target = boundingRect();
    QRectF source = shown.rect();
    if (fillMode_ == PreserveAspectCrop) {
        const QSizeF cropped = target.size().scaled(source.size(), Qt::KeepAspectRatio);
        source = QRectF(source.center() - QPointF(cropped.width(), cropped.height()) / 2, cropped);
        painter->drawImage(target, shown, source);
    } else if (fillMode_ == PreserveAspectFit) {
        const QSizeF fitted = source.size().scaled(target.size(), Qt::KeepAspectRatio);
        painter->drawImage(
            QRectF(target.center() - QPointF(fitted.width(), fitted.height()) / 2, fitted), shown,
            source);
    } else {
        painter->drawImage(target, shown, source);
    }
}
