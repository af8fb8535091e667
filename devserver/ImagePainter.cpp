#include "ImagePainter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace nuvora::devserver {

QImage ImagePainter::paint(const QString &label, int hue, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv(hue % 360, 200, 90));
    gradient.setColorAt(1, QColor::fromHsv((hue + 60) % 360, 220, 220));
    painter.fillRect(image.rect(), gradient);

    QFont font;
    font.setPixelSize(qMax(10, qMin(size.width(), size.height()) / (label.size() > 2 ? 6 : 3)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     label);
    return image;
}

} // namespace nuvora::devserver
