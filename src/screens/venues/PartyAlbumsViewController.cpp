#include "PartyAlbumsViewController.h"

#include "model/Picture.h"

PartyAlbumsViewController::PartyAlbumsViewController(AppContext &context, Party party,
                                                     QObject *parent)
    : AlbumTableViewController(context, parent), party_(std::move(party))
{
    auto request = PagedQuery::listOf<Picture>(
        QStringLiteral("party_photo.php"), QStringLiteral("partyphotos"),
        [](const nuvora::json::Value &element) { return Picture(element); });
    request.parameters = [pid = QString::number(party_.pid)] {
        return QVariantMap{{QStringLiteral("pid"), pid}};
    };
    setQuery(makeQuery<Picture>(std::move(request)));
}
