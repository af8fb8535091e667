#pragma once
// The reports users send about photos, moods and comments ("jubao.php"), kept
// for the test endpoint that lists them.

#include <QList>
#include <QString>

namespace nuvora::devserver {

class Database;
class Row;

class ReportLog {
public:
    explicit ReportLog(Database &db) : db_(db) {}

    void add(qint64 reporter, const QString &type, qint64 target, const QString &content);
    // Every report, oldest first; columns id, uid, type, target, content, time.
    QList<Row> all();

private:
    Database &db_;
};

} // namespace nuvora::devserver
