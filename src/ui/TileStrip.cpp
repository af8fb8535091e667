#include "TileStrip.h"

TileStrip::Style TileStrip::fans()
{
    return {45,
            45,
            55,
            QStringLiteral("placeholder-40-40.png"),
            QStringLiteral("club-nomore-favor.png"),
            QStringLiteral("club-checkmore-favor.png"),
            QStringLiteral("喜欢的人"),
            QStringLiteral("查看全部喜欢的人")};
}

TileStrip::Style TileStrip::photos(const QString &placeholder)
{
    return {60,
            45,
            70,
            placeholder,
            QStringLiteral("club-nomore-photo.png"),
            QStringLiteral("club-checkmore-photo.png"),
            QStringLiteral("照片"),
            QStringLiteral("查看全部照片")};
}

TileStrip::TileStrip(Style style, QObject *parent) : QObject(parent), style_(std::move(style))
{
}

QString TileStrip::tailName() const
{
    return isEmpty() ? QStringLiteral("暂无") + style_.tileName : style_.moreName;
}

void TileStrip::setImages(const QStringList &images)
{
    images_ = images;
    emit changed();
}

void TileStrip::tileTapped(int index)
{
    if (index >= 0 && index < count())
        emit tileSelected(index);
}

void TileStrip::tailTapped()
{
    if (!isEmpty())
        emit moreRequested();
}
