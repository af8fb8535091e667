#include "FeedApi.h"

#include "Database.h"
#include "FeedLog.h"

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// How far around the caller's position the city feed reaches, in degrees.
constexpr double kCityReach = 1.0;

} // namespace

void FeedApi::install(ApiServer &api)
{
    using A = ApiServer::Access;
    api.add(s("my_feed_follow.php"), A::SignedIn, this, &FeedApi::followFeed);
    api.add(s("my_feed_city.php"), A::SignedIn, this, &FeedApi::cityFeed);
    api.add(s("home_feed.php"), A::SignedIn, this, &FeedApi::userFeed);
    api.add(s("my_feed_me.php"), A::SignedIn, this, &FeedApi::ownFeed);
    api.add(s("my_feed_remind.php"), A::SignedIn, this, &FeedApi::reminders);
}

ApiResult FeedApi::page(const ApiRequest &request, const QString &where, QVariantList args)
{
    const auto cursor = request.feedCursor();
    if (!cursor)
        return ApiResult::badParameter(s("feedid"));
    args << *cursor << *cursor << pageSize::feeds;
    const QList<Row> rows = ctx_.db.rows(
        s("SELECT * FROM feeds WHERE %1 AND (? = 0 OR feedid < ?) ORDER BY feedid DESC LIMIT ?")
            .arg(where),
        args);
    return ApiResult::success().set("feeds", json::Value(ctx_.records(request).feedEntries(rows)));
}

ApiResult FeedApi::followFeed(const ApiRequest &request)
{
    if (request.feedCursor() == 0)
        ctx_.feeds.markFollowFeedRead(request.uid);
    return page(request, s("touid = 0 AND uid IN (SELECT fuid FROM follows WHERE uid = ?)"),
                {request.uid});
}

ApiResult FeedApi::cityFeed(const ApiRequest &request)
{
    if (!request.hasPosition())
        return page(request, s("touid = 0"), {});
    return page(request, s("touid = 0 AND abs(lat - ?) <= ? AND abs(lng - ?) <= ?"),
                {request.lat, kCityReach, request.lng, kCityReach});
}

ApiResult FeedApi::userFeed(const ApiRequest &request)
{
    const auto uid = request.integer(s("uid"));
    if (!uid || *uid <= 0)
        return ApiResult::badParameter(s("uid"));
    return page(request, s("touid = 0 AND uid = ?"), {*uid});
}

ApiResult FeedApi::ownFeed(const ApiRequest &request)
{
    return page(request, s("touid = 0 AND uid = ?"), {request.uid});
}

ApiResult FeedApi::reminders(const ApiRequest &request)
{
    if (request.feedCursor() == 0)
        ctx_.feeds.markRemindersRead(request.uid);
    return page(request, s("touid = ?"), {request.uid});
}

} // namespace nuvora::devserver
