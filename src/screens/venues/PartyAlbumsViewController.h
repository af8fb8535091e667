#pragma once
// A party's photo album: its photos page by page, three to a row; a photo opens the
// viewer over the whole album.

#include "model/Party.h"
#include "ui/AlbumTableViewController.h"

#include <QtQml/qqmlregistration.h>

class PartyAlbumsViewController : public AlbumTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString partyTitle READ partyTitle CONSTANT)
public:
    PartyAlbumsViewController(AppContext &context, Party party, QObject *parent = nullptr);

    const Party &party() const { return party_; }
    QString partyTitle() const { return party_.title; }

private:
    Party party_;
};
