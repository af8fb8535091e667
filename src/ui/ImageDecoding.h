#pragma once
// Decodes downloaded and cached pictures the same way: turned upright as their EXIF data
// says, and scaled down to at most kMaxSide pixels on the longest side, so that a huge
// photo neither exhausts memory nor stalls drawing.

#include <QImage>

class QImageReader;

namespace ImageDecoding {

constexpr int kMaxSide = 4096;

QImage read(QImageReader &reader);

} // namespace ImageDecoding
