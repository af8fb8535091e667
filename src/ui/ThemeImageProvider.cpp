#include "ThemeImageProvider.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace {
const QString kImageRoot = QStringLiteral(":/Nuvora/images/");

// Read as the format its suffix names: left to guess, the reader would first offer the
// file to every image format plugin installed.
QImage readPicture(const QString &fileName)
{
    QImageReader reader(kImageRoot + fileName, QFileInfo(fileName).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
} // namespace

ThemeImageProvider::ThemeImageProvider() : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage ThemeImageProvider::image(const QString &name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        const QFileInfo file(name);
        const QString doubled = file.completeBaseName() + QStringLiteral("@2x.") + file.suffix();
        QImage image = readPicture(doubled);
        if (!image.isNull()) {
            image.setDevicePixelRatio(2);
            return image;
        }
    }
    return readPicture(name);
}

QImage ThemeImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    QImage picture = image(id, qGuiApp->devicePixelRatio());
    if (size)
        *size = picture.size();
    if (picture.isNull() || !requestedSize.isValid() || requestedSize == picture.size())
        return picture;
    // A view that sets a source size gets exactly that many pixels.
    picture = picture.scaled(requestedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(1);
    return picture;
}
