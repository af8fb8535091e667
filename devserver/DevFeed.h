#pragma once
// Adds a feed entry or a reminder of any type on request ("/dev/feed"), the
// type not checked against the known ones. Each points at real stored
// records: those the request names, else the newest fitting ones.

#include "JsonText.h"

#include <QString>
#include <QUrlQuery>
#include <optional>

namespace nuvora::devserver {

class Database;
class FeedLog;

class DevFeed {
public:
    DevFeed(Database &db, FeedLog &feeds, const QString &baseUrl)
        : db_(db), feeds_(feeds), baseUrl_(baseUrl)
    {
    }

    // Parameters: "type"; "uid", the actor of an entry or, with "remind=1",
    // the addressee of a reminder (the demo account when absent); "from", a
    // reminder's actor; "pid", "moodid", "clid", "partyid", "fuid", "info".
    // The new entry as the feeds send it, or nothing with `*error` set.
    std::optional<json::Object> add(const QUrlQuery &query, QString *error);

private:
    qint64 userByEmail(const char *email);
    // Another user than `uid`, not the service's own account.
    qint64 someoneBut(qint64 uid);
    bool exists(const QString &table, const QString &column, qint64 id);
    // The id named by `parameter` if it exists, else the newest one of the
    // owner's (owned) or of anyone else's (!owned); 0 when there is none.
    qint64 ownedRecord(const QUrlQuery &query, const char *parameter, const QString &table,
                       const QString &column, qint64 owner, bool owned);
    // The id named by `parameter` if it exists, else the first of the table;
    // 0 when there is none.
    qint64 venue(const QUrlQuery &query, const char *parameter, const QString &table,
                 const QString &column);

    Database &db_;
    FeedLog &feeds_;
    QString baseUrl_;
};

} // namespace nuvora::devserver
