#pragma once
// Measures text as the views draw it (the theme's CJK font, wrapped at word boundaries
// or anywhere), so that controllers can lay out what is sized to fit its text.

#include <QString>

namespace TextMetrics {

// The font family every view draws with.
inline const QString kFontFamily = QStringLiteral("WenQuanYi Micro Hei");

// The height of `text` drawn at `pixelSize` and wrapped to `width`, rounded up to whole
// points; one line for an empty text.
double heightToFit(const QString &text, int pixelSize, double width);

} // namespace TextMetrics
