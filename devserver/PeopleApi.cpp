#include "PeopleApi.h"

#include "Database.h"
#include "Dates.h"
#include "FeedLog.h"
#include "Geo.h"

#include <algorithm>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

void PeopleApi::install(ApiServer &api)
{
    using A = ApiServer::Access;
    api.add(s("user_nearby.php"), A::SignedIn, this, &PeopleApi::nearby);
    api.add(s("user_search.php"), A::SignedIn, this, &PeopleApi::search);
    api.add(s("home.php"), A::SignedIn, this, &PeopleApi::home);
    api.add(s("home_follow_post.php"), A::SignedIn, this, &PeopleApi::follow);
    api.add(s("my_follow_del.php"), A::SignedIn, this, &PeopleApi::unfollow);
    api.add(s("home_hi.php"), A::SignedIn, this, &PeopleApi::greet);
    api.add(s("my_fans_del.php"), A::SignedIn, this, &PeopleApi::removeFan);
    api.add(s("home_blacklist.php"), A::SignedIn, this, &PeopleApi::block);
    api.add(s("my_blacklist_del.php"), A::SignedIn, this, &PeopleApi::unblock);
    api.add(s("my_follow.php"), A::SignedIn, this, &PeopleApi::myFollows);
    api.add(s("my_fans.php"), A::SignedIn, this, &PeopleApi::myFans);
    api.add(s("my_blacklist.php"), A::SignedIn, this, &PeopleApi::myBlacklist);
    api.add(s("home_follow.php"), A::SignedIn, this, &PeopleApi::homeFollows);
    api.add(s("home_fans.php"), A::SignedIn, this, &PeopleApi::homeFans);
    api.add(s("home_club_favor.php"), A::SignedIn, this, &PeopleApi::homeClubFavors);
    api.add(s("home_party_favor.php"), A::SignedIn, this, &PeopleApi::homePartyFavors);
}

void PeopleApi::sortByDistance(QList<Row> &rows, double lat, double lng)
{
    auto key = [lat, lng](const Row &row) {
        if (row.isNull(s("lat")) || row.isNull(s("lng")))
            return std::numeric_limits<double>::infinity();
        return Geo::distance(lat, lng, row.real(s("lat")), row.real(s("lng")));
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&key](const Row &a, const Row &b) { return key(a) < key(b); });
}

ApiResult PeopleApi::nearby(const ApiRequest &request)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(s("page"));
    const auto gender =
        request.has(s("gender")) ? request.integer(s("gender")) : std::optional<qint64>(0);
    if (!gender || *gender < 0 || *gender > 2)
        return ApiResult::badParameter(s("gender"));

    QList<Row> rows =
        ctx_.db.rows(s("SELECT * FROM users WHERE uid != ? AND (? = 0 OR gender = ?) ORDER BY uid"),
                     {request.uid, *gender, *gender});
    double lat = request.lat;
    double lng = request.lng;
    if (!request.hasPosition()) {
        const Row me = ctx_.db.row(s("SELECT lat, lng FROM users WHERE uid = ?"), {request.uid});
        lat = me.real(s("lat"));
        lng = me.real(s("lng"));
    }
    sortByDistance(rows, lat, lng);
    return ApiResult::success().set("users", json::Value(ctx_.records(request).users(
                                                 Database::pageOf(rows, pageSize::users, *page))));
}

ApiResult PeopleApi::search(const ApiRequest &request)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(s("page"));
    qint64 numbers[5] = {};
    const char *names[5] = {"sheng", "shi", "agemin", "agemax", "gender"};
    for (int i = 0; i < 5; ++i) {
        const QString name = s(names[i]);
        if (!request.has(name) || request.text(name).isEmpty())
            continue;
        const auto value = request.integer(name);
        if (!value || *value < 0 || *value > 200)
            return ApiResult::badParameter(name);
        numbers[i] = *value;
    }
    const auto [sheng, shi, ageMin, ageMax, gender] =
        std::tuple(numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]);
    const QString sort = request.has(s("sort")) ? request.text(s("sort")) : s("nearby");
    if (sort != s("nearby") && sort != s("renqi"))
        return ApiResult::badParameter(s("sort"));
    const QString nickname = request.text(s("nickname")).trimmed();

    QList<Row> rows =
        ctx_.db.rows(s("SELECT * FROM users WHERE uid != ? AND (? = 0 OR gender = ?) "
                       "AND (? = 0 OR addr_sheng_j = ?) AND (? = 0 OR addr_shi_j = ?) "
                       "AND instr(lower(nickname), lower(?)) > 0 ORDER BY renqi DESC, uid"),
                     {request.uid, gender, gender, sheng, sheng, shi, shi, nickname});
    if (ageMin || ageMax) {
        rows.removeIf([ageMin, ageMax](const Row &row) {
            const int age = Dates::age(row.text(s("birthday")));
            return age < ageMin || (ageMax && age > ageMax);
        });
    }
    if (sort == s("nearby")) {
        const double lat = request.real(s("lat")).value_or(request.lat);
        const double lng = request.real(s("lng")).value_or(request.lng);
        if (lat != 0 || lng != 0)
            sortByDistance(rows, lat, lng);
    }
    return ApiResult::success().set("users", json::Value(ctx_.records(request).users(
                                                 Database::pageOf(rows, pageSize::users, *page))));
}

std::optional<qint64> PeopleApi::otherUser(const ApiRequest &request, ApiResult *failure)
{
    const auto uid = request.integer(s("uid"));
    if (!uid || *uid <= 0) {
        *failure = ApiResult::badParameter(s("uid"));
        return std::nullopt;
    }
    if (!ctx_.db.integer(s("SELECT COUNT(*) FROM users WHERE uid = ?"), {*uid})) {
        *failure = ApiResult::notFound(s("该用户"));
        return std::nullopt;
    }
    return uid;
}

ApiResult PeopleApi::home(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    if (!uid)
        return failure;
    if (*uid != request.uid)
        ctx_.db.exec(s("UPDATE users SET look = look + 1 WHERE uid = ?"), {*uid});
    RecordBuilder records = ctx_.records(request);
    const bool follows = ctx_.db.integer(
        s("SELECT COUNT(*) FROM follows WHERE uid = ? AND fuid = ?"), {request.uid, *uid});
    return ApiResult::success()
        .set("follow", number(follows ? 1 : 0))
        .set("user", json::Value(records.userById(*uid)))
        .set("photos",
             json::Value(records.photos(ctx_.db.rows(
                 s("SELECT * FROM photos WHERE uid = ? ORDER BY pid DESC LIMIT 8"), {*uid}))));
}

ApiResult PeopleApi::follow(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    if (!uid)
        return failure;
    if (*uid == request.uid)
        return ApiResult::failure(s("不能关注自己"));
    if (ctx_.db.integer(s("SELECT COUNT(*) FROM follows WHERE uid = ? AND fuid = ?"),
                        {request.uid, *uid}))
        return ApiResult::failure(s("你已经关注了TA"));
    ctx_.db.exec(s("INSERT INTO follows (uid, fuid, time) VALUES (?, ?, ?)"),
                 {request.uid, *uid, Dates::now()});
    ctx_.db.exec(s("UPDATE users SET renqi = renqi + 1 WHERE uid = ?"), {*uid});
    FeedEvent event{s("follow"), request.uid};
    event.followuid = *uid;
    ctx_.feeds.publish(event);
    ctx_.feeds.remind(*uid, event);
    ctx_.feeds.profileChanged(request.uid);
    ctx_.feeds.profileChanged(*uid);
    return ApiResult::success(s("关注成功"));
}

ApiResult PeopleApi::unfollow(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    if (!uid)
        return failure;
    ctx_.db.exec(s("DELETE FROM follows WHERE uid = ? AND fuid = ?"), {request.uid, *uid});
    ctx_.feeds.profileChanged(request.uid);
    ctx_.feeds.profileChanged(*uid);
    return ApiResult::success(s("已取消关注"));
}

ApiResult PeopleApi::greet(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    if (!uid)
        return failure;
    if (*uid == request.uid)
        return ApiResult::failure(s("不能跟自己打招呼"));
    ctx_.feeds.remind(*uid, FeedEvent{s("hi"), request.uid});
    return ApiResult::success(s("招呼已送达"));
}

ApiResult PeopleApi::removeFan(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    if (!uid)
        return failure;
    ctx_.db.exec(s("DELETE FROM follows WHERE uid = ? AND fuid = ?"), {*uid, request.uid});
    ctx_.feeds.profileChanged(request.uid);
    ctx_.feeds.profileChanged(*uid);
    return ApiResult::success(s("已删除粉丝"));
}

ApiResult PeopleApi::block(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    if (!uid)
        return failure;
    if (*uid == request.uid)
        return ApiResult::failure(s("不能把自己加入黑名单"));
    ctx_.db.exec(s("INSERT OR IGNORE INTO blacklist (uid, buid, time) VALUES (?, ?, ?)"),
                 {request.uid, *uid, Dates::now()});
    return ApiResult::success(s("已加入黑名单"));
}

ApiResult PeopleApi::unblock(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    if (!uid)
        return failure;
    ctx_.db.exec(s("DELETE FROM blacklist WHERE uid = ? AND buid = ?"), {request.uid, *uid});
    return ApiResult::success(s("已从黑名单移除"));
}

ApiResult PeopleApi::userPage(const ApiRequest &request, const QString &sql, qint64 argument,
                              const std::string &key)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(s("page"));
    const QList<Row> rows = ctx_.db.page(sql, {argument}, pageSize::users, *page);
    return ApiResult::success().set(key, json::Value(ctx_.records(request).users(rows)));
}

namespace {

const char kFollowsOf[] = "SELECT u.* FROM follows f JOIN users u ON u.uid = f.fuid "
                          "WHERE f.uid = ? ORDER BY f.time DESC, u.uid";
const char kFansOf[] = "SELECT u.* FROM follows f JOIN users u ON u.uid = f.uid "
                       "WHERE f.fuid = ? ORDER BY f.time DESC, u.uid";

} // namespace

ApiResult PeopleApi::myFollows(const ApiRequest &request)
{
    return userPage(request, s(kFollowsOf), request.uid, "follows");
}

ApiResult PeopleApi::myFans(const ApiRequest &request)
{
    // The client reads both of its tabs from "follows".
    return userPage(request, s(kFansOf), request.uid, "follows");
}

ApiResult PeopleApi::myBlacklist(const ApiRequest &request)
{
    return userPage(request,
                    s("SELECT u.* FROM blacklist b JOIN users u ON u.uid = b.buid "
                      "WHERE b.uid = ? ORDER BY b.time DESC, u.uid"),
                    request.uid, "blacklists");
}

ApiResult PeopleApi::homeFollows(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    return uid ? userPage(request, s(kFollowsOf), *uid, "follows") : failure;
}

ApiResult PeopleApi::homeFans(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    return uid ? userPage(request, s(kFansOf), *uid, "follows") : failure;
}

ApiResult PeopleApi::homeClubFavors(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    const auto page = request.page();
    if (!uid)
        return failure;
    if (!page)
        return ApiResult::badParameter(s("page"));
    const QList<Row> rows = ctx_.db.page(
        s("SELECT c.* FROM club_favors f JOIN clubs c ON c.clid = f.clid WHERE f.uid = ? "
          "ORDER BY f.time DESC"),
        {*uid}, pageSize::clubs, *page);
    return ApiResult::success().set("clubs", json::Value(ctx_.records(request).clubs(rows)));
}

ApiResult PeopleApi::homePartyFavors(const ApiRequest &request)
{
    ApiResult failure;
    const auto uid = otherUser(request, &failure);
    const auto page = request.page();
    if (!uid)
        return failure;
    if (!page)
        return ApiResult::badParameter(s("page"));
    const QList<Row> rows = ctx_.db.page(
        s("SELECT p.* FROM party_favors f JOIN parties p ON p.pid = f.pid WHERE f.uid = ? "
          "ORDER BY f.time DESC"),
        {*uid}, pageSize::parties, *page);
    return ApiResult::success().set("partys", json::Value(ctx_.records(request).parties(rows)));
}

} // namespace nuvora::devserver
