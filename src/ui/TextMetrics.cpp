#include "TextMetrics.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

void TextMetrics::installEmojiFallback()
{
    if (!QFont::substitutes(kFontFamily).contains(kEmojiFontFamily))
        QFont::insertSubstitution(kFontFamily, kEmojiFontFamily);
}

QFont TextMetrics::font(int pixelSize, bool bold)
{
    QFont font(kFontFamily);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QSizeF TextMetrics::sizeToFit(const QString &text, int pixelSize, double width, bool bold)
{
    // Laid out line by line as Qt Quick's Text does, so the height matches the view's.
    installEmojiFallback();
    const QFont measured = font(pixelSize, bold);
    const QFontMetricsF metrics(measured);
    if (text.isEmpty())
        return {0, std::ceil(metrics.height())};
    // Qt Quick's Text breaks its lines at line feeds: they are line separators to a layout.
    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOut, measured);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    double height = 0;
    double widest = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition({0, height});
        height += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return {std::min(std::ceil(widest), width), std::ceil(height)};
}
