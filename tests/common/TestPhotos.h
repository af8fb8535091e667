#pragma once
// Photos as a phone's camera writes them, for the upload tests: the pixels stored on
// their side with an EXIF orientation of 6 (turn 90 degrees clockwise to show), red in
// the upper half and blue in the lower half of the picture as it is meant to be seen.

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace TestPhotos {

// A JPEG that shows `shown` (width and height as seen) once turned upright.
QByteArray sidewaysJpeg(const QSize &shown);
// Whether `image` shows red above blue, as an upright test photo does.
bool isUpright(const QImage &image);

} // namespace TestPhotos
