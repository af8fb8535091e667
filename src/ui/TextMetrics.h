#pragma once
// Measures texts the way the views draw them (the theme's CJK font at a pixel size, emoji
// from the colour emoji font), so that controllers can size labels to fit and lay out
// what follows them.

#include <QFont>
#include <QSizeF>
#include <QString>

class TextMetrics {
public:
    static inline const QString kFontFamily = QStringLiteral("WenQuanYi Micro Hei");
    // Draws the emoji the theme's font lacks, in colour.
    static inline const QString kEmojiFontFamily = QStringLiteral("Noto Color Emoji");

    // Makes the emoji font the first stand-in for characters the theme's font lacks
    // (before the system's own choice, which may be a monochrome font).
    static void installEmojiFallback();

    static QFont font(int pixelSize, bool bold = false);
    // The size of a label that wraps `text` at `width` and is then sized to fit it: as
    // wide as its longest line (never wider than `width`), as high as its lines.
    static QSizeF sizeToFit(const QString &text, int pixelSize, double width, bool bold = false);
};
