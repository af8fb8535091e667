#include "ReportLog.h"

#include "Database.h"
#include "Dates.h"

namespace nuvora::devserver {

void ReportLog::add(qint64 reporter, const QString &type, qint64 target, const QString &content)
{
    db_.exec(QStringLiteral("INSERT INTO reports (uid, type, target, content, time) "
                            "VALUES (?, ?, ?, ?, ?)"),
             {reporter, type, target, content, Dates::now()});
}

QList<Row> ReportLog::all()
{
    return db_.rows(QStringLiteral("SELECT * FROM reports ORDER BY id"));
}

} // namespace nuvora::devserver
