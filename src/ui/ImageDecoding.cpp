#include "ImageDecoding.h"

#include <QImageReader>

namespace ImageDecoding {

QImage read(QImageReader &reader)
{
    reader.setAutoTransform(true);
    QSize size = reader.size();
    // The stored size is before the EXIF turn; a quarter turn swaps the sides, which
    // does not change the longest one.
    if (size.isValid() && std::max(size.width(), size.height()) > kMaxSide) {
        size.scale(kMaxSide, kMaxSide, Qt::KeepAspectRatio);
        reader.setScaledSize(size);
    }
    return reader.read();
}

} // namespace ImageDecoding
