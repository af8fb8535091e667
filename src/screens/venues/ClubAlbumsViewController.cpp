#include "ClubAlbumsViewController.h"

#include "model/VenuePhoto.h"

ClubAlbumsViewController::ClubAlbumsViewController(AppContext &context, Club club, QObject *parent)
    : AlbumTableViewController(context, parent), club_(std::move(club))
{
    auto request = PagedQuery::listOf<Picture>(
        QStringLiteral("club_photo.php"), QStringLiteral("clubphotos"),
        [](const nuvora::json::Value &element) { return VenuePhoto::picture(element, "cpid"); });
    request.parameters = [clid = QString::number(club_.clid)] {
        return QVariantMap{{QStringLiteral("clid"), clid}};
    };
    setQuery(makeQuery<Picture>(std::move(request)));
}
