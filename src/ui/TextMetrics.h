#pragma once
// Sizes of text as the views draw it: the theme's font at a pixel size, wrapped at
// word boundaries where possible and anywhere otherwise, with unlimited lines.

#include <QSizeF>
#include <QString>

namespace TextMetrics {

// The theme's font family, as the views name it.
inline const QString kFontFamily = QStringLiteral("WenQuanYi Micro Hei");

// The size the text takes laid out at most `maxWidth` wide, rounded up to whole points.
QSizeF fittedSize(const QString &text, double maxWidth, int pixelSize);

} // namespace TextMetrics
