#include "PartyCountLabel.h"

#include "ui/TextMetrics.h"

namespace PartyCountLabel {

namespace {
// Wide enough for any count on one line.
constexpr double kMaxWidth = 320;
} // namespace

double width(int favor, int pixelSize)
{
    return TextMetrics::sizeToFit(QString::number(favor), pixelSize, kMaxWidth).width();
}

double decorationX(int favor, double labelX, int pixelSize)
{
    return labelX + width(favor, pixelSize) + kDecorationGap;
}

} // namespace PartyCountLabel
