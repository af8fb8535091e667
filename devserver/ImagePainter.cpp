#include "ImagePainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace nuvora::devserver {

namespace {

// Pictures at least this long carry their size and a frame, so that a screen
// that crops or scales them shows it.
constexpr int kMarkedLongSide = 900;

} // namespace

QImage ImagePainter::paint(const QString &label, int hue, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv(hue % 360, 200, 90));
    gradient.setColorAt(1, QColor::fromHsv((hue + 60) % 360, 220, 220));
    painter.fillRect(image.rect(), gradient);

    const int shortSide = qMin(size.width(), size.height());
    QFont font;
    font.setPixelSize(qMax(10, shortSide / (label.size() > 2 ? 6 : 3)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     label);

    if (qMax(size.width(), size.height()) >= kMarkedLongSide) {
        const int line = qMax(2, shortSide / 100);
        painter.setPen(QPen(Qt::white, line));
        painter.drawRect(
            QRectF(image.rect()).adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0));
        font.setPixelSize(qMax(10, shortSide / 16));
        painter.setFont(font);
        painter.drawText(image.rect().adjusted(0, 0, 0, -shortSide / 20),
                         Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("%1 × %2").arg(size.width()).arg(size.height()));
    }
    return image;
}

} // namespace nuvora::devserver
