#pragma once
// Measures texts the way the views draw them (the theme's CJK font at a pixel size),
// so that controllers can size labels to fit and lay out what follows them.

#include <QFont>
#include <QSizeF>
#include <QString>

class TextMetrics {
public:
    static inline const QString kFontFamily = QStringLiteral("WenQuanYi Micro Hei");

    static QFont font(int pixelSize, bool bold = false);
    // The size of a label that wraps `text` at `width` and is then sized to fit it: as
    // wide as its longest line, as high as its lines.
    static QSizeF sizeToFit(const QString &text, int pixelSize, double width, bool bold = false);
};
