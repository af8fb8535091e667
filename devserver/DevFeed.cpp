#include "DevFeed.h"

#include "Database.h"
#include "FeedLog.h"
#include "RecordBuilder.h"
#include "Seeder.h"

#include <QRegularExpression>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

QString value(const QUrlQuery &query, const char *name)
{
    return query.queryItemValue(QString::fromLatin1(name), QUrl::FullyDecoded);
}

// Absent is 0; anything but a positive decimal is -1.
qint64 id(const QUrlQuery &query, const char *name)
{
    const QString text = value(query, name);
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok && n > 0 ? n : -1;
}

} // namespace

qint64 DevFeed::userByEmail(const char *email)
{
    return db_.integer(s("SELECT uid FROM users WHERE email = ?"), {s(email)});
}

qint64 DevFeed::someoneBut(qint64 uid)
{
    return db_.integer(s("SELECT MIN(uid) FROM users WHERE uid != ? AND uid != ?"),
                       {uid, userByEmail(Seeder::kHelperEmail)});
}

bool DevFeed::exists(const QString &table, const QString &column, qint64 id)
{
    return db_.integer(s("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(table, column), {id}) > 0;
}

qint64 DevFeed::ownedRecord(const QUrlQuery &query, const char *parameter, const QString &table,
                            const QString &column, qint64 owner, bool owned)
{
    const qint64 named = id(query, parameter);
    if (named)
        return named > 0 && exists(table, column, named) ? named : 0;
    return db_.integer(
        s("SELECT MAX(%1) FROM %2 WHERE uid %3 ?").arg(column, table, owned ? s("=") : s("!=")),
        {owner});
}

qint64 DevFeed::venue(const QUrlQuery &query, const char *parameter, const QString &table,
                      const QString &column)
{
    const qint64 named = id(query, parameter);
    if (named)
        return named > 0 && exists(table, column, named) ? named : 0;
    return db_.integer(s("SELECT MIN(%1) FROM %2").arg(column, table));
}

std::optional<json::Object> DevFeed::add(const QUrlQuery &query, QString *error)
{
    const QString type = value(query, "type");
    static const QRegularExpression typePattern(s("^[a-z0-9_]{1,32}$"));
    if (!typePattern.match(type).hasMatch()) {
        *error = s("type required: 1 to 32 of a-z, 0-9, _");
        return std::nullopt;
    }
    const bool remind = value(query, "remind") == s("1");
    const qint64 named = id(query, "uid");
    const qint64 uid = named ? named : userByEmail(Seeder::kDemoEmail);
    if (uid <= 0 || !exists(s("users"), s("uid"), uid)) {
        *error = s("no such user");
        return std::nullopt;
    }
    qint64 actor = uid;
    if (remind) {
        const qint64 from = id(query, "from");
        if (from)
            actor = from;
        else if (type == s("notify"))
            actor = userByEmail(Seeder::kHelperEmail);
        else
            actor = someoneBut(uid);
        if (actor <= 0 || actor == uid || !exists(s("users"), s("uid"), actor)) {
            *error = s("\"from\" must be another existing user");
            return std::nullopt;
        }
    }

    FeedEvent event(type, actor);
    event.info = value(query, "info");
    if (type == s("notify") && event.info.isEmpty())
        event.info = s("这是一条测试通知");
    // Own uploads and moods are the actor's; what others do concerns the addressee's
    // records in a reminder, someone else's in a public entry.
    const bool own = remind || type == s("photoupload") || type == s("mood");
    const qint64 owner = remind ? uid : actor;
    struct Need {
        bool wanted;
        qint64 *field;
        qint64 found;
        const char *what;
    };
    const Need needs[] = {
        {type.startsWith(s("photo")), &event.photoid,
         ownedRecord(query, "pid", s("photos"), s("pid"), owner, own), "photo"},
        {type.startsWith(s("mood")), &event.moodid,
         ownedRecord(query, "moodid", s("moods"), s("moodid"), owner, own), "mood"},
        {type.startsWith(s("club")) || type == s("hi") || id(query, "clid") != 0, &event.clid,
         venue(query, "clid", s("clubs"), s("clid")), "club"},
        {type.startsWith(s("party")) || id(query, "partyid") != 0, &event.partyid,
         venue(query, "partyid", s("parties"), s("pid")), "party"},
    };
    for (const Need &need : needs) {
        if (!need.wanted)
            continue;
        if (need.found <= 0) {
            *error = s("no %1 to point at").arg(s(need.what));
            return std::nullopt;
        }
        *need.field = need.found;
    }
    if (type == s("follow")) {
        const qint64 fuid = id(query, "fuid");
        event.followuid = fuid ? fuid : (remind ? uid : someoneBut(actor));
        if (event.followuid <= 0 || event.followuid == actor
            || !exists(s("users"), s("uid"), event.followuid)) {
            *error = s("\"fuid\" must be another existing user");
            return std::nullopt;
        }
    }

    const qint64 feedid = remind ? feeds_.remind(uid, event) : feeds_.publish(event);
    const Row row = db_.row(s("SELECT * FROM feeds WHERE feedid = ?"), {feedid});
    auto entry = row.isValid() ? RecordBuilder(db_, baseUrl_, uid).feedEntry(row) : std::nullopt;
    if (!entry)
        *error = s("the entry could not be stored");
    return entry;
}

} // namespace nuvora::devserver
