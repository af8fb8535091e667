#pragma once
// The geometry of a user's home page, worked out from what changes it: the signature
// (wrapped at 280 points, growing downwards) and the number of photos (one to three
// rows of three tiles, the albums tile after the last photo). Everything below the
// signature moves with it.

#include <QList>
#include <QObject>
#include <QRectF>
#include <QString>

// One tile of the photo block: a photo, or the albums tile after the last one.
struct PhotoTile {
    Q_GADGET
    Q_PROPERTY(double tileX MEMBER tileX)
    Q_PROPERTY(double tileY MEMBER tileY)
    Q_PROPERTY(double tileWidth MEMBER tileWidth)
    Q_PROPERTY(double tileHeight MEMBER tileHeight)
    Q_PROPERTY(QString image MEMBER image)
    Q_PROPERTY(bool albums MEMBER albums)
public:
    double tileX = 0;
    double tileY = 0;
    double tileWidth = 0;
    double tileHeight = 0;
    QString image; // the photo's thumbnail; empty for the albums tile
    bool albums = false;
};

struct UserHomeLayout {
    static constexpr double kSignatureX = 20;
    static constexpr double kSignatureY = 198;
    static constexpr double kSignatureWidth = 280;
    static constexpr int kSignatureFontSize = 14;
    // The button behind the signature: its top, and how much taller than the label it is.
    static constexpr double kSignatureButtonY = 188;
    static constexpr double kSignatureButtonExtra = 23;
    static constexpr double kPhotoBlockGap = 8;
    static constexpr double kPhotoBlockX = 9;
    static constexpr double kPhotoBlockWidth = 302;
    static constexpr double kPhotoBackgroundY = 66;
    static constexpr double kRowPitch = 73;
    static constexpr double kColumnPitch = 99;
    static constexpr double kTileWidth = 96;
    static constexpr double kTileHeight = 70;
    static constexpr double kFirstTileX = 4;
    static constexpr double kFirstTileY = 72;
    static constexpr int kColumns = 3;
    static constexpr double kLinkRowHeight = 44;
    static constexpr int kLinkRows = 3;
    static constexpr double kBottomMargin = 20;

    static UserHomeLayout make(const QString &signature, int photoCount);

    int photoRows() const;
    // The photo block's background, and the whole block (the background plus the row of
    // buttons above it).
    double photoBackgroundHeight() const { return photoRows() * kRowPitch + 6; }
    double photoBlockHeight() const { return photoBackgroundHeight() + 69; }
    double signatureButtonHeight() const { return signatureSize.height() + kSignatureButtonExtra; }
    double photoBlockY() const
    {
        return kSignatureButtonY + signatureButtonHeight() + kPhotoBlockGap;
    }
    double linksY() const { return photoBlockY() + photoBlockHeight(); }
    double linksHeight() const { return kLinkRows * kLinkRowHeight; }
    double contentHeight() const { return linksY() + linksHeight() + kBottomMargin; }
    // Tile `i` (photos first, then the albums tile), within the photo block.
    static QRectF tileRect(int i);
    int tileCount() const { return photoCount + 1; }

    QSizeF signatureSize;
    int photoCount = 0;
};
