#pragma once
// A venue's photo album (a club's or a party's): its photos page by page, three to a
// row; a photo opens the viewer over the whole album.

#include "model/Club.h"
#include "model/Party.h"
#include "ui/AlbumTableViewController.h"

#include <QtQml/qqmlregistration.h>

class VenueAlbumsViewController : public AlbumTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString title READ title CONSTANT)
public:
    static VenueAlbumsViewController *ofClub(AppContext &context, const Club &club,
                                             QObject *parent = nullptr);
    static VenueAlbumsViewController *ofParty(AppContext &context, const Party &party,
                                              QObject *parent = nullptr);

    QString title() const { return title_; }

private:
    VenueAlbumsViewController(AppContext &context, QString title, PagedQuery::Request request,
                              QObject *parent);

    QString title_;
};
