#include "TestPhotos.h"

#include <QBuffer>
#include <QPainter>

namespace {

// An APP1 segment holding a big-endian TIFF header and one IFD entry: Orientation = 6.
QByteArray orientationSix()
{
    QByteArray exif("Exif\0\0", 6);
    exif += QByteArray("MM\0\x2A\0\0\0\x08", 8);                  // TIFF header, IFD at 8
    exif += QByteArray("\0\x01", 2);                              // one entry
    exif += QByteArray("\x01\x12\0\x03\0\0\0\x01\0\x06\0\0", 12); // 0x0112 SHORT 1 = 6
    exif += QByteArray("\0\0\0\0", 4);                            // no next IFD
    const int length = int(exif.size()) + 2;
    return QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + exif;
}

bool near(QColor color, QColor expected)
{
    return std::abs(color.red() - expected.red()) < 40
           && std::abs(color.green() - expected.green()) < 40
           && std::abs(color.blue() - expected.blue()) < 40;
}

} // namespace

namespace TestPhotos {

QByteArray sidewaysJpeg(const QSize &shown)
{
    // Stored turned a quarter to the left: the upper half of the picture is on the left.
    QImage stored(shown.height(), shown.width(), QImage::Format_RGB32);
    QPainter painter(&stored);
    painter.fillRect(0, 0, stored.width() / 2, stored.height(), Qt::red);
    painter.fillRect(stored.width() / 2, 0, stored.width() - stored.width() / 2, stored.height(),
                     Qt::blue);
    painter.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    stored.save(&buffer, "JPEG", 95);
    // Right after the start-of-image marker.
    return jpeg.left(2) + orientationSix() + jpeg.mid(2);
}

bool isUpright(const QImage &image)
{
    const int x = image.width() / 2;
    return !image.isNull() && near(image.pixelColor(x, image.height() / 8), Qt::red)
           && near(image.pixelColor(x, image.height() * 7 / 8), Qt::blue);
}

} // namespace TestPhotos
