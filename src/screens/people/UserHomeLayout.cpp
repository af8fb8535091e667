#include "UserHomeLayout.h"

#include "ui/TextMetrics.h"

UserHomeLayout UserHomeLayout::make(const QString &signature, int photoCount)
{
    UserHomeLayout layout;
    const QSizeF fitted = TextMetrics::sizeToFit(signature, kSignatureFontSize, kSignatureWidth);
    layout.signatureSize = {std::min(fitted.width(), kSignatureWidth), fitted.height()};
    layout.photoCount = std::max(photoCount, 0);
    return layout;
}

int UserHomeLayout::photoRows() const
{
    if (photoCount >= 6)
        return 3;
    return photoCount >= 3 ? 2 : 1;
}

QRectF UserHomeLayout::tileRect(int i)
{
    return {(i % kColumns) * kColumnPitch + kFirstTileX, (i / kColumns) * kRowPitch + kFirstTileY,
            kTileWidth, kTileHeight};
}
