#include "Club.h"

#include "JsonFields.h"

#include <cmath>

using JsonFields::integer;
using JsonFields::text;

Club Club::withId(int clid)
{
    Club club;
    club.clid = clid;
    return club;
}

Club::Club(const nuvora::json::Value &d, const std::optional<QGeoCoordinate> &devicePosition)
    : clid(integer(d, "clid")), name(text(d, "name")), tel(text(d, "tel")),
      address(text(d, "addr")), content(text(d, "content")),
      img(JsonFields::imageVariant(d, "img", "!200")), img_big(text(d, "img")),
      love(integer(d, "love")), distance(distanceText(JsonFields::real(d, "lat"),
                                                      JsonFields::real(d, "lng"), devicePosition)),
      coordinate(JsonFields::real(d, "lat"), JsonFields::real(d, "lng")),
      recommended(integer(d, "hezuo")), favor(integer(d, "favor")), isfavor(integer(d, "isfavor")),
      tags(tagLine(d)), hezuo(integer(d, "hezuo"))
{
    if (content.isEmpty())
        content = kNoContent;
}

bool Club::hasPosition() const
{
    return coordinate.isValid() && !(coordinate.latitude() == 0 && coordinate.longitude() == 0);
}

QString Club::distanceText(double latitude, double longitude,
                           const std::optional<QGeoCoordinate> &devicePosition)
{
    if (latitude == 0 && longitude == 0)
        return kUnknownDistance;
    // Measuring from a position the device never had would give a made-up distance.
    if (!devicePosition || !devicePosition->isValid())
        return kUnknownDistance;
    const QGeoCoordinate club(latitude, longitude);
    if (!club.isValid())
        return kUnknownDistance;
    const double metres = devicePosition->distanceTo(club);
    if (!std::isfinite(metres))
        return kUnknownDistance;
    const auto whole = static_cast<long long>(metres);
    if (whole <= 1000)
        return QStringLiteral("%1m").arg(whole);
    return QString::asprintf("%.2fkm", double(whole) / 1000.0);
}

QString Club::tagLine(const nuvora::json::Value &d)
{
    const nuvora::json::Value &list = d["tag"];
    if (!list.isArray() || list.asArray().empty())
        return QStringLiteral("标签：暂无");
    QString line;
    for (const nuvora::json::Value &tag : list.asArray())
        line += QString::fromStdString(tag.toText()) + QLatin1Char(' ');
    return QStringLiteral("标签：") + line;
}
