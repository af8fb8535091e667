#pragma once
// A party's fans count as its labels show it: sized to fit its digits, with the
// decoration after it placed 2 points to the right of the count's right edge.

namespace PartyCountLabel {

constexpr double kDecorationGap = 2;

// The width of the count `favor` drawn at `pixelSize`.
double width(int favor, int pixelSize);
// The x of the decoration after the count `favor` whose label starts at `labelX`.
double decorationX(int favor, double labelX, int pixelSize);

} // namespace PartyCountLabel
