#pragma once
// A horizontally scrolling strip of tiles on a venue's page (its fans, its photos),
// closed by a tail tile: "no more" at x 0 while the strip is empty, which does nothing,
// else "check more" after the last tile, which asks for the whole list.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class TileStrip : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the venue screens")
    Q_PROPERTY(QStringList images READ images NOTIFY changed)
    Q_PROPERTY(int count READ count NOTIFY changed)
    Q_PROPERTY(double tileWidth READ tileWidth CONSTANT)
    Q_PROPERTY(double tileHeight READ tileHeight CONSTANT)
    Q_PROPERTY(double pitch READ pitch CONSTANT)
    Q_PROPERTY(QString placeholder READ placeholder CONSTANT)
    Q_PROPERTY(QString tileName READ tileName CONSTANT)
    Q_PROPERTY(QString tailImage READ tailImage NOTIFY changed)
    Q_PROPERTY(QString tailName READ tailName NOTIFY changed)
    Q_PROPERTY(double tailX READ tailX NOTIFY changed)
    Q_PROPERTY(double contentWidth READ contentWidth NOTIFY changed)
public:
    struct Style {
        double tileWidth = 0;
        double tileHeight = 0;
        double pitch = 0; // from one tile's left edge to the next one's
        QString placeholder;
        QString emptyTail;
        QString moreTail;
        QString tileName; // what a tile is, for the screen reader
        QString moreName;
    };
    // The users who like a venue: 45 x 45 avatars every 55 points.
    static Style fans();
    // A venue's photos: 60 x 45 thumbnails every 70 points over `placeholder`.
    static Style photos(const QString &placeholder);

    explicit TileStrip(Style style, QObject *parent = nullptr);

    QStringList images() const { return images_; }
    int count() const { return int(images_.size()); }
    bool isEmpty() const { return images_.isEmpty(); }
    double tileWidth() const { return style_.tileWidth; }
    double tileHeight() const { return style_.tileHeight; }
    double pitch() const { return style_.pitch; }
    QString placeholder() const { return style_.placeholder; }
    QString tileName() const { return style_.tileName; }
    QString tailImage() const { return isEmpty() ? style_.emptyTail : style_.moreTail; }
    QString tailName() const;
    double tailX() const { return style_.pitch * count(); }
    double contentWidth() const { return style_.pitch * (count() + 1); }
    // The x of tile `index`.
    double tileX(int index) const { return style_.pitch * index; }

    // One image address per tile, in order.
    void setImages(const QStringList &images);

    Q_INVOKABLE void tileTapped(int index);
    Q_INVOKABLE void tailTapped();

signals:
    void changed();
    void tileSelected(int index);
    void moreRequested();

private:
    Style style_;
    QStringList images_;
};
