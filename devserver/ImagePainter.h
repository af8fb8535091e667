#pragma once
// Draws the seeded pictures at their registered size: a diagonal gradient in
// the night theme's colours with a name or initials in the middle (and, on
// large ones, a frame and the pixel size), so the repository holds no images.

#include <QImage>
#include <QString>

namespace nuvora::devserver {

class ImagePainter {
public:
    static QImage paint(const QString &label, int hue, const QSize &size);
};

} // namespace nuvora::devserver
