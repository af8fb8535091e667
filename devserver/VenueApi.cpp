#include "VenueApi.h"

#include "Database.h"
#include "Dates.h"
#include "FeedLog.h"
#include "Geo.h"
#include "ImageStore.h"

#include <algorithm>
#include <limits>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

constexpr int kMaxPeople = 99;

} // namespace

void VenueApi::install(ApiServer &api)
{
    using A = ApiServer::Access;
    api.add(s("club.php"), A::SignedIn, this, &VenueApi::clubList);
    api.add(s("my_club_favor.php"), A::SignedIn, this, &VenueApi::myClubFavors);
    api.add(s("club_show.php"), A::SignedIn, this, &VenueApi::clubShow);
    api.add(s("club_favor_post.php"), A::SignedIn, this, &VenueApi::clubFavorPost);
    api.add(s("club_favor_out.php"), A::SignedIn, this, &VenueApi::clubFavorOut);
    api.add(s("club_photo.php"), A::SignedIn, this, &VenueApi::clubPhotos);
    api.add(s("club_favor.php"), A::SignedIn, this, &VenueApi::clubFavorUsers);
    api.add(s("party.php"), A::SignedIn, this, &VenueApi::partyList);
    api.add(s("my_party_join.php"), A::SignedIn, this, &VenueApi::myPartyJoins);
    api.add(s("party_show.php"), A::SignedIn, this, &VenueApi::partyShow);
    api.add(s("party_favor_post.php"), A::SignedIn, this, &VenueApi::partyFavorPost);
    api.add(s("party_favor_out.php"), A::SignedIn, this, &VenueApi::partyFavorOut);
    api.add(s("party_join_post.php"), A::SignedIn, this, &VenueApi::partyJoinPost);
    api.add(s("party_join_out.php"), A::SignedIn, this, &VenueApi::partyJoinOut);
    api.add(s("party_photo.php"), A::SignedIn, this, &VenueApi::partyPhotos);
    api.add(s("party_favor.php"), A::SignedIn, this, &VenueApi::partyFavorUsers);
}

std::optional<Row> VenueApi::find(const ApiRequest &request, const QString &table,
                                  const QString &key, ApiResult *failure)
{
    const auto id = request.integer(key);
    if (!id || *id <= 0) {
        *failure = ApiResult::badParameter(key);
        return std::nullopt;
    }
    const Row row =
        ctx_.db.row(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, key), {*id});
    if (!row.isValid()) {
        *failure = ApiResult::notFound(table == s("clubs") ? s("该夜店") : s("该活动"));
        return std::nullopt;
    }
    return row;
}

ApiResult VenueApi::clubList(const ApiRequest &request)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(s("page"));
    QList<Row> rows;
    if (request.has(s("keywords")) || request.has(s("sheng")) || request.has(s("shi"))) {
        const auto sheng = request.text(s("sheng")).isEmpty() ? std::optional<qint64>(0)
                                                              : request.integer(s("sheng"));
        const auto shi =
            request.text(s("shi")).isEmpty() ? std::optional<qint64>(0) : request.integer(s("shi"));
        if (!sheng || *sheng < 0)
            return ApiResult::badParameter(s("sheng"));
        if (!shi || *shi < 0)
            return ApiResult::badParameter(s("shi"));
        const QString keywords = request.text(s("keywords")).trimmed();
        rows = ctx_.db.page(
            s("SELECT * FROM clubs WHERE (? = 0 OR sheng = ?) AND (? = 0 OR shi = ?) AND "
              "(instr(lower(name), lower(?)) > 0 OR instr(lower(tags), lower(?)) > 0 OR "
              "instr(addr, ?) > 0) "
              "ORDER BY hezuo DESC, clid"),
            {*sheng, *sheng, *shi, *shi, keywords, keywords, keywords}, pageSize::clubs, *page);
    } else {
        const QString sort = request.has(s("sort")) ? request.text(s("sort")) : s("nearby");
        if (sort == s("top")) {
            rows = ctx_.db.page(
                s("SELECT c.* FROM clubs c WHERE (? = 0 OR c.shi = 0 OR (c.sheng = ? AND c.shi = "
                  "?)) "
                  "ORDER BY (SELECT COUNT(*) FROM club_favors f WHERE f.clid = c.clid) DESC, "
                  "c.clid"),
                {request.shi, request.sheng, request.shi}, pageSize::clubs, *page);
        } else if (sort == s("nearby")) {
            QList<Row> all = ctx_.db.rows(s("SELECT * FROM clubs ORDER BY clid"));
            const double lat = request.lat;
            const double lng = request.lng;
            // A club at 0, 0 has no position and goes last.
            auto key = [lat, lng](const Row &row) {
                const double clubLat = row.real(s("lat"));
                const double clubLng = row.real(s("lng"));
                return clubLat == 0 && clubLng == 0 ? std::numeric_limits<double>::infinity()
                                                    : Geo::distance(lat, lng, clubLat, clubLng);
            };
            std::stable_sort(all.begin(), all.end(),
                             [&key](const Row &a, const Row &b) { return key(a) < key(b); });
            rows = Database::pageOf(all, pageSize::clubs, *page);
        } else {
            return ApiResult::badParameter(s("sort"));
        }
    }
    return ApiResult::success().set("clubs", json::Value(ctx_.records(request).clubs(rows)));
}

ApiResult VenueApi::myClubFavors(const ApiRequest &request)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(s("page"));
    const QList<Row> rows = ctx_.db.page(
        s("SELECT c.* FROM club_favors f JOIN clubs c ON c.clid = f.clid WHERE f.uid = ? "
          "ORDER BY f.time DESC"),
        {request.uid}, pageSize::clubs, *page);
    return ApiResult::success().set("clubs", json::Value(ctx_.records(request).clubs(rows)));
}

ApiResult VenueApi::clubShow(const ApiRequest &request)
{
    ApiResult failure;
    const auto club = find(request, s("clubs"), s("clid"), &failure);
    if (!club)
        return failure;
    const qint64 clid = club->integer(s("clid"));
    RecordBuilder records = ctx_.records(request);
    json::Array photos;
    for (const Row &row : ctx_.db.rows(
             s("SELECT * FROM club_photos WHERE clid = ? ORDER BY cpid LIMIT 8"), {clid})) {
        json::Object photo;
        photo.set("cpid", numericText(row.integer(s("cpid"))));
        photo.set("img", text(records.imageUrl(row.text(s("img")))));
        photos.push_back(json::Value(std::move(photo)));
    }
    return ApiResult::success()
        .set("club", json::Value(records.club(*club)))
        .set("clubphotos", json::Value(std::move(photos)))
        .set("clubfavors",
             json::Value(records.users(ctx_.db.rows(
                 s("SELECT u.* FROM club_favors f JOIN users u ON u.uid = f.uid WHERE f.clid = ? "
                   "ORDER BY f.time DESC LIMIT 8"),
                 {clid}))));
}

ApiResult VenueApi::setFavor(const ApiRequest &request, bool isClub, bool favor)
{
    ApiResult failure;
    const QString key = isClub ? s("clid") : s("pid");
    const auto row = find(request, isClub ? s("clubs") : s("parties"), key, &failure);
    if (!row)
        return failure;
    const qint64 id = row->integer(key);
    const QString table = isClub ? s("club_favors") : s("party_favors");
    if (favor) {
        const bool added =
            ctx_.db.integer(
                QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ? AND uid = ?").arg(table, key),
                {id, request.uid})
            == 0;
        if (added) {
            ctx_.db.exec(
                QStringLiteral("INSERT INTO %1 (%2, uid, time) VALUES (?, ?, ?)").arg(table, key),
                {id, request.uid, Dates::now()});
            FeedEvent event(isClub ? s("clubfavor") : s("partyfavor"), request.uid);
            (isClub ? event.clid : event.partyid) = id;
            ctx_.feeds.publish(event);
        }
        return ApiResult::success(isClub ? s("夜店已喜欢") : s("活动已喜欢"));
    }
    ctx_.db.exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ? AND uid = ?").arg(table, key),
                 {id, request.uid});
    return ApiResult::success(isClub ? s("夜店已取消喜欢") : s("活动已取消喜欢"));
}

ApiResult VenueApi::clubFavorPost(const ApiRequest &request)
{
    return setFavor(request, true, true);
}

ApiResult VenueApi::clubFavorOut(const ApiRequest &request)
{
    return setFavor(request, true, false);
}

ApiResult VenueApi::partyFavorPost(const ApiRequest &request)
{
    return setFavor(request, false, true);
}

ApiResult VenueApi::partyFavorOut(const ApiRequest &request)
{
    return setFavor(request, false, false);
}

ApiResult VenueApi::clubPhotos(const ApiRequest &request)
{
    ApiResult failure;
    const auto club = find(request, s("clubs"), s("clid"), &failure);
    const auto page = request.page();
    if (!club)
        return failure;
    if (!page)
        return ApiResult::badParameter(s("page"));
    RecordBuilder records = ctx_.records(request);
    json::Array photos;
    for (const Row &row : ctx_.db.page(s("SELECT * FROM club_photos WHERE clid = ? ORDER BY cpid"),
                                       {club->integer(s("clid"))}, pageSize::photos, *page)) {
        json::Object photo;
        photo.set("cpid", numericText(row.integer(s("cpid"))));
        photo.set("img", text(records.imageUrl(row.text(s("img")))));
        photos.push_back(json::Value(std::move(photo)));
    }
    return ApiResult::success().set("clubphotos", json::Value(std::move(photos)));
}

ApiResult VenueApi::clubFavorUsers(const ApiRequest &request)
{
    return favorUsers(request, s("clubs"), s("clid"), s("club_favors"), "clubfavors");
}

// The users who favour the club or party named by `key`, most recent first.
ApiResult VenueApi::favorUsers(const ApiRequest &request, const QString &table, const QString &key,
                               const QString &favorTable, const std::string &listKey)
{
    ApiResult failure;
    const auto target = find(request, table, key, &failure);
    const auto page = request.page();
    if (!target)
        return failure;
    if (!page)
        return ApiResult::badParameter(s("page"));
    const QString sql = s("SELECT u.* FROM %1 f JOIN users u ON u.uid = f.uid WHERE f.%2 = ? "
                          "ORDER BY f.time DESC")
                            .arg(favorTable, key);
    return ApiResult::success().set(
        listKey, json::Value(ctx_.records(request).users(
                     ctx_.db.page(sql, {target->integer(key)}, pageSize::users, *page))));
}

ApiResult VenueApi::partyList(const ApiRequest &request)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(s("page"));
    const QList<Row> rows = ctx_.db.page(
        s("SELECT p.* FROM parties p JOIN clubs c ON c.clid = p.clid WHERE p.ptimeend >= ? "
          "AND (? = 0 OR (c.sheng = ? AND c.shi = ?)) ORDER BY p.ptimestart, p.pid "),
        {Dates::now(), request.shi, request.sheng, request.shi}, pageSize::parties, *page);
    return ApiResult::success().set("partys", json::Value(ctx_.records(request).parties(rows)));
}

ApiResult VenueApi::myPartyJoins(const ApiRequest &request)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(s("page"));
    // "pid" names whose sign-ups to list; without it, the caller's own.
    qint64 uid = request.uid;
    if (request.has(s("pid")) && !request.text(s("pid")).isEmpty()) {
        const auto other = request.integer(s("pid"));
        if (!other || *other <= 0)
            return ApiResult::badParameter(s("pid"));
        uid = *other;
    }
    const QList<Row> rows = ctx_.db.page(
        s("SELECT p.* FROM party_joins j JOIN parties p ON p.pid = j.pid WHERE j.uid = ? "
          "ORDER BY p.ptimestart DESC, p.pid"),
        {uid}, pageSize::parties, *page);
    return ApiResult::success().set("partys", json::Value(ctx_.records(request).parties(rows)));
}

json::Array VenueApi::partyPhotoList(const ApiRequest &request, qint64 pid, int page)
{
    RecordBuilder records = ctx_.records(request);
    json::Array photos;
    for (const Row &row : ctx_.db.page(s("SELECT * FROM party_photos WHERE pid = ? ORDER BY ppid"),
                                       {pid}, pageSize::photos, page)) {
        json::Object photo;
        photo.set("pid", numericText(row.integer(s("ppid"))));
        photo.set("ppid", numericText(row.integer(s("ppid"))));
        photo.set("img", text(records.imageUrl(row.text(s("img")))));
        photo.set("text", text(row.text(s("text"))));
        photo.set("time", text(Dates::format(row.integer(s("time")))));
        photos.push_back(json::Value(std::move(photo)));
    }
    return photos;
}

ApiResult VenueApi::partyShow(const ApiRequest &request)
{
    ApiResult failure;
    const auto party = find(request, s("parties"), s("pid"), &failure);
    if (!party)
        return failure;
    const qint64 pid = party->integer(s("pid"));
    RecordBuilder records = ctx_.records(request);
    return ApiResult::success()
        .set("party", json::Value(records.party(*party)))
        .set("partyphotos", json::Value(partyPhotoList(request, pid, 1)))
        .set("partyfavors",
             json::Value(records.users(ctx_.db.rows(
                 s("SELECT u.* FROM party_favors f JOIN users u ON u.uid = f.uid WHERE f.pid = ? "
                   "ORDER BY f.time DESC LIMIT 8"),
                 {pid}))));
}

ApiResult VenueApi::partyJoinPost(const ApiRequest &request)
{
    ApiResult failure;
    const auto party = find(request, s("parties"), s("pid"), &failure);
    if (!party)
        return failure;
    const qint64 pid = party->integer(s("pid"));
    if (party->integer(s("ptimeend")) < Dates::now())
        return ApiResult::failure(s("活动已结束"));
    if (ctx_.db.integer(s("SELECT COUNT(*) FROM party_joins WHERE pid = ? AND uid = ?"),
                        {pid, request.uid}))
        return ApiResult::failure(s("你已经报名了"));

    QString name;
    QString tel;
    qint64 count = 1;
    if (party->integer(s("joininfo")) != 1) {
        name = request.text(s("name")).trimmed();
        tel = request.text(s("tel")).trimmed();
        if (name.isEmpty() || name.size() > 20)
            return ApiResult::failure(s("请填写联系人姓名"));
        if (tel.size() > 30)
            return ApiResult::badParameter(s("tel"));
        const auto people = request.integer(s("count"));
        if (!people || *people < 1 || *people > kMaxPeople)
            return ApiResult::failure(s("请填写正确的人数（1至99人）"));
        count = *people;
    }
    ctx_.db.exec(s("INSERT INTO party_joins (pid, uid, name, tel, count, time) "
                   "VALUES (?, ?, ?, ?, ?, ?)"),
                 {pid, request.uid, name, tel, count, Dates::now()});
    FeedEvent event(s("partyjoin"), request.uid);
    event.partyid = pid;
    ctx_.feeds.publish(event);
    return ApiResult::success(s("报名成功"));
}

ApiResult VenueApi::partyJoinOut(const ApiRequest &request)
{
    ApiResult failure;
    const auto party = find(request, s("parties"), s("pid"), &failure);
    if (!party)
        return failure;
    const qint64 pid = party->integer(s("pid"));
    if (!ctx_.db.integer(s("SELECT COUNT(*) FROM party_joins WHERE pid = ? AND uid = ?"),
                         {pid, request.uid}))
        return ApiResult::failure(s("你还没有报名"));
    ctx_.db.exec(s("DELETE FROM party_joins WHERE pid = ? AND uid = ?"), {pid, request.uid});
    ctx_.db.exec(s("DELETE FROM feeds WHERE type = 'partyjoin' AND partyid = ? AND uid = ?"),
                 {pid, request.uid});
    return ApiResult::success(s("已取消报名"));
}

ApiResult VenueApi::partyPhotos(const ApiRequest &request)
{
    ApiResult failure;
    const auto party = find(request, s("parties"), s("pid"), &failure);
    const auto page = request.page();
    if (!party)
        return failure;
    if (!page)
        return ApiResult::badParameter(s("page"));
    return ApiResult::success().set(
        "partyphotos", json::Value(partyPhotoList(request, party->integer(s("pid")), *page)));
}

ApiResult VenueApi::partyFavorUsers(const ApiRequest &request)
{
    return favorUsers(request, s("parties"), s("pid"), s("party_favors"), "partyfavors");
}

} // namespace nuvora::devserver
