#include "TextMetrics.h"

#include <QFont>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

namespace TextMetrics {

double heightToFit(const QString &text, int pixelSize, double width)
{
    QFont font(kFontFamily);
    font.setPixelSize(pixelSize);
    // A view's text breaks its lines at line feeds as a layout's line separators.
    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOut, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        height += line.height();
    }
    layout.endLayout();
    return std::ceil(height);
}

} // namespace TextMetrics
