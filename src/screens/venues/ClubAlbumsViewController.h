#pragma once
// A club's photo album: its photos page by page, three to a row; a photo opens the
// viewer over the whole album.

#include "model/Club.h"
#include "ui/AlbumTableViewController.h"

#include <QtQml/qqmlregistration.h>

class ClubAlbumsViewController : public AlbumTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString clubName READ clubName CONSTANT)
public:
    ClubAlbumsViewController(AppContext &context, Club club, QObject *parent = nullptr);

    const Club &club() const { return club_; }
    QString clubName() const { return club_.name; }

private:
    Club club_;
};
