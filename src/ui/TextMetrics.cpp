#include "TextMetrics.h"

#include <QFont>
#include <QTextLayout>

#include <cmath>

namespace TextMetrics {

void installEmojiFallback()
{
    if (!QFont::substitutes(kFontFamily).contains(kEmojiFontFamily))
        QFont::insertSubstitution(kFontFamily, kEmojiFontFamily);
}

QSizeF fittedSize(const QString &text, double maxWidth, int pixelSize)
{
    installEmojiFallback();
    QFont font(kFontFamily);
    font.setPixelSize(pixelSize);
    // As a QML Text with Text.Wrap lays it out.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOut, font);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    double width = 0;
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(maxWidth);
        line.setPosition(QPointF(0, height));
        width = std::max(width, line.naturalTextWidth());
        height += line.height();
    }
    layout.endLayout();
    return QSizeF(std::min(std::ceil(width), maxWidth), std::ceil(height));
}

} // namespace TextMetrics
