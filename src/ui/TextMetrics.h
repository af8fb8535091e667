#pragma once
// Sizes of text as the views draw it: the theme's font at a pixel size, wrapped at
// word boundaries where possible and anywhere otherwise, with unlimited lines.

#include <QSizeF>
#include <QString>

namespace TextMetrics {

// The theme's font family, as the views name it.
inline const QString kFontFamily = QStringLiteral("WenQuanYi Micro Hei");
// Draws the emoji the theme's font lacks, in colour.
inline const QString kEmojiFontFamily = QStringLiteral("Noto Color Emoji");

// Makes the emoji font the first stand-in for characters the theme's font lacks
// (before the system's own choice, which may be a monochrome font).
void installEmojiFallback();

// The size the text takes laid out at most `maxWidth` wide, rounded up to whole points.
QSizeF fittedSize(const QString &text, double maxWidth, int pixelSize);

} // namespace TextMetrics
