#include "User.h"

#include "ConstellationList.h"
#include "JsonFields.h"

#include <cstdio>

using JsonFields::integer;
using JsonFields::text;

User::User(const nuvora::json::Value &d, const std::optional<QGeoCoordinate> &devicePosition)
    : userId(integer(d, "uid")), addr_sheng_c(integer(d, "addr_sheng_c")),
      addr_sheng_j(integer(d, "addr_sheng_j")), addr_shi_c(integer(d, "addr_shi_c")),
      addr_shi_j(integer(d, "addr_shi_j")), age(integer(d, "age")),
      avatar(JsonFields::imageVariant(d, "avatar", "!100")), avatar_big(text(d, "avatar")),
      avatar_upload(integer(d, "avatar_upload")), birthday(text(d, "birthday")),
      visitors(integer(d, "look")), popularity(integer(d, "renqi")), nickname(text(d, "nickname")),
      gender(integer(d, "gender")),
      constellation(ConstellationList::constellationWithIndex(integer(d, "xingzuo"))),
      occupation(text(d, "zhiye")), distance(distanceText(d, devicePosition)),
      mood(text(d, "mood")), fans(integer(d, "fans")), follows(integer(d, "follow")),
      bander(text(d, "bander")), height(integer(d, "shengao")), weight(integer(d, "tizhong")),
      about(text(d, "about")), ischat(integer(d, "ischat")),
      defaultmoodremark(integer(d, "defaultmoodremark")),
      defaultphotoremark(integer(d, "defaultphotoremark")),
      userInfoVersion(integer(d, "userinfoversion"))
{
}

QString User::distanceText(const nuvora::json::Value &d,
                           const std::optional<QGeoCoordinate> &devicePosition)
{
    const QString unknown = QStringLiteral("未知");
    if (JsonFields::isExplicitNull(d, "lat") || JsonFields::isExplicitNull(d, "lng"))
        return unknown;
    const double lat = JsonFields::real(d, "lat");
    const double lng = JsonFields::real(d, "lng");
    // Without a device position there is nothing to measure from.
    if ((lat == 0 && lng == 0) || !devicePosition || !devicePosition->isValid())
        return unknown;
    const QGeoCoordinate target(lat, lng);
    if (!target.isValid())
        return unknown;
    const auto metres = static_cast<long long>(devicePosition->distanceTo(target));
    if (metres <= 1000)
        return QStringLiteral("%1m").arg(metres);
    // printf rounds an exact half to the even neighbour (1.5 -> 2, 2.5 -> 2).
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0fkm", double(metres) / 1000.0);
    return QString::fromLatin1(buffer);
}
