#include "FeedLog.h"

#include "Database.h"
#include "Dates.h"

namespace nuvora::devserver {

FeedLog::FeedLog(Database &db) : db_(db)
{
}

qint64 FeedLog::publish(const FeedEvent &event)
{
    return add(0, event);
}

qint64 FeedLog::remind(qint64 touid, const FeedEvent &event)
{
    if (touid <= 0 || touid == event.uid)
        return 0;
    return add(touid, event);
}

qint64 FeedLog::add(qint64 touid, const FeedEvent &event)
{
    const Row actor =
        db_.row(QStringLiteral("SELECT lat, lng FROM users WHERE uid = ?"), {event.uid});
    return db_.insert(
        QStringLiteral("INSERT INTO feeds (touid, uid, type, time, lat, lng, moodid, photoid, "
                       "clid, partyid, followuid, info) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)"),
        {touid, event.uid, event.type, event.time ? event.time : Dates::now(),
         actor.real(QStringLiteral("lat")), actor.real(QStringLiteral("lng")), event.moodid,
         event.photoid, event.clid, event.partyid, event.followuid, event.info});
}

void FeedLog::profileChanged(qint64 uid)
{
    db_.exec(QStringLiteral("UPDATE users SET userinfoversion = userinfoversion + 1 WHERE uid = ?"),
             {uid});
}

json::Object FeedLog::counters(qint64 uid)
{
    const Row user =
        db_.row(QStringLiteral("SELECT feed_follow_read, remind_read, userinfoversion FROM users "
                               "WHERE uid = ?"),
                {uid});
    const qint64 follow = db_.integer(
        QStringLiteral("SELECT COUNT(*) FROM feeds WHERE touid = 0 AND feedid > ? AND uid "
                       "IN (SELECT fuid FROM follows WHERE uid = ?)"),
        {user.integer(QStringLiteral("feed_follow_read")), uid});
    const qint64 remind =
        db_.integer(QStringLiteral("SELECT COUNT(*) FROM feeds WHERE touid = ? AND feedid > ?"),
                    {uid, user.integer(QStringLiteral("remind_read"))});
    json::Object o;
    o.set("feedfollowcount", number(follow));
    o.set("feedremindcount", number(remind));
    o.set("userinfoversion", number(user.integer(QStringLiteral("userinfoversion"))));
    return o;
}

void FeedLog::markFollowFeedRead(qint64 uid)
{
    db_.exec(QStringLiteral("UPDATE users SET feed_follow_read = (SELECT COALESCE(MAX(feedid), 0) "
                            "FROM feeds) WHERE uid = ?"),
             {uid});
}

void FeedLog::markRemindersRead(qint64 uid)
{
    db_.exec(QStringLiteral("UPDATE users SET remind_read = (SELECT COALESCE(MAX(feedid), 0) "
                            "FROM feeds WHERE touid = ?) WHERE uid = ?"),
             {uid, uid});
}

void FeedLog::forgetPhoto(qint64 pid)
{
    db_.exec(QStringLiteral("DELETE FROM feeds WHERE photoid = ?"), {pid});
}

void FeedLog::forgetMood(qint64 moodid)
{
    db_.exec(QStringLiteral("DELETE FROM feeds WHERE moodid = ?"), {moodid});
}

} // namespace nuvora::devserver
