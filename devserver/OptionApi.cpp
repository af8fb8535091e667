#include "OptionApi.h"

#include "Database.h"
#include "RegionLocator.h"

#include <cmath>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

void OptionApi::install(ApiServer &api)
{
    using A = ApiServer::Access;
    api.add(s("option.php"), A::Anyone, this, &OptionApi::options);
    api.add(s("lbs.php"), A::Anyone, this, &OptionApi::locate);
}

ApiResult OptionApi::options(const ApiRequest &request)
{
    RecordBuilder records = ctx_.records(request);
    json::Object ads;
    json::Array clubs;
    json::Array parties;
    for (const Row &row : ctx_.db.rows(s("SELECT * FROM ads ORDER BY id"))) {
        const QString place = row.text(s("place"));
        json::Object item;
        item.set("img", text(records.imageUrl(row.text(s("img")))));
        if (place == s("index")) {
            item.set("url", text(row.text(s("target"))));
            ads.set("index", json::Value(std::move(item)));
            continue;
        }
        item.set("id", text(row.text(s("target"))));
        (place == s("club") ? clubs : parties).push_back(json::Value(std::move(item)));
    }
    ads.set("club", json::Value(std::move(clubs)));
    ads.set("party", json::Value(std::move(parties)));
    return ApiResult::success()
        .set("version", text(version_))
        .set("guanggao", json::Value(std::move(ads)));
}

ApiResult OptionApi::locate(const ApiRequest &request)
{
    const auto lat = request.real(s("lat"));
    const auto lng = request.real(s("lng"));
    if (!lat || std::abs(*lat) > 90)
        return ApiResult::badParameter(s("lat"));
    if (!lng || std::abs(*lng) > 180)
        return ApiResult::badParameter(s("lng"));
    const auto region = RegionLocator::locate(*lat, *lng);
    if (!region)
        return ApiResult::failure(s("无法确定您所在的城市，请手动选择"));
    return ApiResult::success()
        .set("sheng_id", number(region->sheng))
        .set("shi_id", number(region->shi));
}

} // namespace nuvora::devserver
