#include "VenueAlbumsViewController.h"

#include "model/VenuePhoto.h"

namespace {

template <class Make>
PagedQuery::Request photos(const QString &script, const QString &replyKey,
                           const QString &idParameter, int id, Make make)
{
    auto request = PagedQuery::listOf<Picture>(script, replyKey, make);
    request.parameters = [idParameter, id = QString::number(id)] {
        return QVariantMap{{idParameter, id}};
    };
    return request;
}

} // namespace

VenueAlbumsViewController::VenueAlbumsViewController(AppContext &context, QString title,
                                                     PagedQuery::Request request, QObject *parent)
    : AlbumTableViewController(context, parent), title_(std::move(title))
{
    setQuery(makeQuery<Picture>(std::move(request)));
}

VenueAlbumsViewController *VenueAlbumsViewController::ofClub(AppContext &context, const Club &club,
                                                             QObject *parent)
{
    return new VenueAlbumsViewController(context, QStringLiteral("夜店相册"),
                                         photos(QStringLiteral("club_photo.php"),
                                                QStringLiteral("clubphotos"),
                                                QStringLiteral("clid"), club.clid,
                                                [](const nuvora::json::Value &element) {
                                                    return VenuePhoto::picture(element, "cpid");
                                                }),
                                         parent);
}

VenueAlbumsViewController *VenueAlbumsViewController::ofParty(AppContext &context,
                                                              const Party &party, QObject *parent)
{
    return new VenueAlbumsViewController(
        context, QStringLiteral("活动相册"),
        photos(QStringLiteral("party_photo.php"), QStringLiteral("partyphotos"),
               QStringLiteral("pid"), party.pid,
               [](const nuvora::json::Value &element) { return Picture(element); }),
        parent);
}
