#include "RecordBuilder.h"

#include "Dates.h"
#include "ImageStore.h"

namespace nuvora::devserver {

namespace {

json::Value position(const Row &row, const QString &column)
{
    return row.isNull(column) ? json::Value(nullptr) : json::Value(row.real(column));
}

QString s(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

RecordBuilder::RecordBuilder(Database &db, const QString &baseUrl, qint64 viewerUid)
    : db_(db), baseUrl_(baseUrl), viewer_(viewerUid)
{
}

QString RecordBuilder::imageUrl(const QString &key) const
{
    return ImageStore::url(baseUrl_, key);
}

json::Object RecordBuilder::user(const Row &row)
{
    const qint64 uid = row.integer(s("uid"));
    json::Object o;
    // The service sends some counters as numeric text; the client reads both.
    o.set("uid", numericText(uid));
    for (const char *key : {"addr_sheng_c", "addr_sheng_j", "addr_shi_c", "addr_shi_j",
                            "avatar_upload", "gender", "xingzuo", "shengao", "tizhong", "ischat",
                            "defaultmoodremark", "defaultphotoremark", "userinfoversion"})
        o.set(key, number(row.integer(s(key))));
    for (const char *key : {"nickname", "birthday", "zhiye", "mood", "about"})
        o.set(key, text(row.text(s(key))));
    o.set("age", numericText(Dates::age(row.text(s("birthday")))));
    o.set("look", numericText(row.integer(s("look"))));
    o.set("renqi", numericText(row.integer(s("renqi"))));
    o.set("avatar", text(imageUrl(row.text(s("avatar")))));
    o.set("bander", text(imageUrl(row.text(s("bander")))));
    o.set("lat", position(row, s("lat")));
    o.set("lng", position(row, s("lng")));
    o.set("fans", number(db_.integer(s("SELECT COUNT(*) FROM follows WHERE fuid = ?"), {uid})));
    o.set("follow", number(db_.integer(s("SELECT COUNT(*) FROM follows WHERE uid = ?"), {uid})));
    return o;
}

json::Object RecordBuilder::userById(qint64 uid)
{
    const auto cached = userCache_.constFind(uid);
    if (cached != userCache_.constEnd())
        return *cached;
    const Row row = db_.row(s("SELECT * FROM users WHERE uid = ?"), {uid});
    json::Object o = row.isValid() ? user(row) : json::Object();
    userCache_.insert(uid, o);
    return o;
}

json::Array RecordBuilder::users(const QList<Row> &rows)
{
    return eachRow(rows, &RecordBuilder::user);
}

json::Object RecordBuilder::club(const Row &row)
{
    const qint64 clid = row.integer(s("clid"));
    json::Object o;
    o.set("clid", numericText(clid));
    for (const char *key : {"name", "tel", "addr", "content"})
        o.set(key, text(row.text(s(key))));
    o.set("img", text(imageUrl(row.text(s("img")))));
    o.set("love", number(row.integer(s("love"))));
    o.set("lat", json::Value(row.real(s("lat"))));
    o.set("lng", json::Value(row.real(s("lng"))));
    o.set("hezuo", number(row.integer(s("hezuo"))));
    o.set("sheng", number(row.integer(s("sheng"))));
    o.set("shi", number(row.integer(s("shi"))));
    o.set("favor",
          number(db_.integer(s("SELECT COUNT(*) FROM club_favors WHERE clid = ?"), {clid})));
    o.set("isfavor",
          number(db_.integer(s("SELECT COUNT(*) FROM club_favors WHERE clid = ? AND uid = ?"),
                             {clid, viewer_})));
    json::Array tags;
    for (const QString &tag : row.text(s("tags")).split(QLatin1Char(','), Qt::SkipEmptyParts))
        tags.push_back(text(tag));
    o.set("tag", json::Value(std::move(tags)));
    return o;
}

json::Array RecordBuilder::clubs(const QList<Row> &rows)
{
    return eachRow(rows, &RecordBuilder::club);
}

json::Object RecordBuilder::party(const Row &row)
{
    const qint64 pid = row.integer(s("pid"));
    json::Object o;
    o.set("pid", numericText(pid));
    o.set("uid", numericText(row.integer(s("uid"))));
    o.set("cid", numericText(row.integer(s("clid"))));
    for (const char *key : {"title", "content", "price", "addr", "tel"})
        o.set(key, text(row.text(s(key))));
    o.set("img", text(imageUrl(row.text(s("img")))));
    o.set("ptimestart", text(Dates::format(row.integer(s("ptimestart")))));
    o.set("ptimeend", text(Dates::format(row.integer(s("ptimeend")))));
    o.set("count", number(db_.integer(
                       s("SELECT COALESCE(SUM(count), 0) FROM party_joins WHERE pid = ?"), {pid})));
    o.set("favor",
          number(db_.integer(s("SELECT COUNT(*) FROM party_favors WHERE pid = ?"), {pid})));
    o.set("isfavor",
          number(db_.integer(s("SELECT COUNT(*) FROM party_favors WHERE pid = ? AND uid = ?"),
                             {pid, viewer_})));
    o.set("isjoin",
          number(db_.integer(s("SELECT COUNT(*) FROM party_joins WHERE pid = ? AND uid = ?"),
                             {pid, viewer_})));
    o.set("joininfo", number(row.integer(s("joininfo"))));
    return o;
}

json::Array RecordBuilder::parties(const QList<Row> &rows)
{
    return eachRow(rows, &RecordBuilder::party);
}

json::Object RecordBuilder::photo(const Row &row)
{
    const qint64 pid = row.integer(s("pid"));
    json::Object o;
    o.set("pid", numericText(pid));
    o.set("uid", numericText(row.integer(s("uid"))));
    o.set("img", text(imageUrl(row.text(s("img")))));
    o.set("text", text(row.text(s("text"))));
    o.set("time", text(Dates::format(row.integer(s("time")))));
    o.set("isremark", number(row.integer(s("isremark"))));
    o.set("remarkcount",
          number(db_.integer(s("SELECT COUNT(*) FROM remarks WHERE kind = 'photo' AND target = ?"),
                             {pid})));
    o.set("zan", number(db_.integer(s("SELECT COUNT(*) FROM photo_zans WHERE pid = ?"), {pid})));
    o.set("iszan",
          number(db_.integer(s("SELECT COUNT(*) FROM photo_zans WHERE pid = ? AND uid = ?"),
                             {pid, viewer_})));
    return o;
}

json::Array RecordBuilder::photos(const QList<Row> &rows)
{
    return eachRow(rows, &RecordBuilder::photo);
}

json::Object RecordBuilder::mood(const Row &row)
{
    json::Object o;
    o.set("moodid", numericText(row.integer(s("moodid"))));
    o.set("uid", numericText(row.integer(s("uid"))));
    o.set("content", text(row.text(s("content"))));
    o.set("isremark", number(row.integer(s("isremark"))));
    o.set("time", text(Dates::format(row.integer(s("time")))));
    o.set("remarkcount",
          number(db_.integer(s("SELECT COUNT(*) FROM remarks WHERE kind = 'mood' AND target = ?"),
                             {row.integer(s("moodid"))})));
    return o;
}

json::Object RecordBuilder::remark(const Row &row, const std::string &idKey)
{
    json::Object o;
    o.set(idKey, numericText(row.integer(s("rid"))));
    o.set("uid", numericText(row.integer(s("uid"))));
    o.set("content", text(row.text(s("content"))));
    o.set("time", text(Dates::format(row.integer(s("time")))));
    o.set("nickname", text(row.text(s("nickname"))));
    o.set("avatar", text(imageUrl(row.text(s("avatar")))));
    o.set("reply", numericText(row.integer(s("reply"))));
    return o;
}

json::Array RecordBuilder::remarks(const QList<Row> &rows, const std::string &idKey)
{
    json::Array out;
    for (const Row &row : rows)
        out.push_back(remark(row, idKey));
    return out;
}

QString RecordBuilder::remarkQuery()
{
    return s("SELECT r.*, u.nickname AS nickname, u.avatar AS avatar FROM remarks r "
             "JOIN users u ON u.uid = r.uid WHERE r.kind = ? AND r.target = ? "
             "ORDER BY r.rid DESC");
}

std::optional<json::Object>
RecordBuilder::objectById(const QString &table, const QString &idColumn, qint64 id,
                          json::Object (RecordBuilder::*make)(const Row &))
{
    const Row row =
        db_.row(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(table, idColumn), {id});
    if (!row.isValid())
        return std::nullopt;
    return (this->*make)(row);
}

std::optional<json::Object> RecordBuilder::feedEntry(const Row &row)
{
    const QString type = row.text(s("type"));
    const qint64 actor = row.integer(s("uid"));
    json::Object entry;
    json::Object feed;
    feed.set("feedid", numericText(row.integer(s("feedid"))));
    feed.set("type", text(type));
    feed.set("time", text(Dates::format(row.integer(s("time")))));
    feed.set("lat", json::Value(row.real(s("lat"))));
    feed.set("lng", json::Value(row.real(s("lng"))));
    feed.set("uid", numericText(actor));
    entry.set("feed", json::Value(std::move(feed)));
    entry.set("user", json::Value(userById(actor)));

    auto attach = [&](const char *key, const QString &table, const QString &idColumn,
                      const QString &refColumn, json::Object (RecordBuilder::*make)(const Row &),
                      const char *ownerKey) -> bool {
        const auto object = objectById(table, idColumn, row.integer(refColumn), make);
        if (!object)
            return false;
        if (ownerKey) {
            const qint64 owner = object->find("uid") ? object->find("uid")->toInteger() : 0;
            entry.set(ownerKey, json::Value(userById(owner)));
        }
        entry.set(key, json::Value(*object));
        return true;
    };

    bool complete = true;
    if (type == s("mood")) {
        complete =
            attach("mood", s("moods"), s("moodid"), s("moodid"), &RecordBuilder::mood, "mooduser");
    } else if (type == s("moodremark") || type == s("moodremarkreply")) {
        complete =
            attach("mood", s("moods"), s("moodid"), s("moodid"), &RecordBuilder::mood, "mooduser");
        entry.set("moodremarkuser", json::Value(userById(actor)));
    } else if (type == s("clubfavor") || type == s("clubremark") || type == s("clubremarkreply")) {
        complete = attach("club", s("clubs"), s("clid"), s("clid"), &RecordBuilder::club, nullptr);
        entry.set("clubremarkuser", json::Value(userById(actor)));
    } else if (type == s("partyfavor") || type == s("partyjoin") || type == s("partyremark")
               || type == s("partyremarkreply")) {
        complete =
            attach("party", s("parties"), s("pid"), s("partyid"), &RecordBuilder::party, nullptr);
        entry.set("partyremarkuser", json::Value(userById(actor)));
    } else if (type == s("follow") || type == s("hi")) {
        // The club where it happened, when there was one.
        if (row.integer(s("clid")))
            attach("club", s("clubs"), s("clid"), s("clid"), &RecordBuilder::club, nullptr);
        if (type == s("follow"))
            entry.set("followuser", json::Value(userById(row.integer(s("followuid")))));
    } else if (type == s("photoupload") || type == s("photozan") || type == s("photoremark")
               || type == s("photoremarkreply")) {
        complete = attach("photo", s("photos"), s("pid"), s("photoid"), &RecordBuilder::photo,
                          "photouser");
        entry.set("photoremarkuser", json::Value(userById(actor)));
    } else if (type == s("notify")) {
        entry.set("info", text(row.text(s("info"))));
    }
    if (!complete)
        return std::nullopt;
    return entry;
}

json::Array RecordBuilder::feedEntries(const QList<Row> &rows)
{
    json::Array out;
    for (const Row &row : rows) {
        if (auto entry = feedEntry(row))
            out.push_back(json::Value(std::move(*entry)));
    }
    return out;
}

} // namespace nuvora::devserver
