#include "Database.h"

#include "DevServerLog.h"

#include <sqlite3.h>

namespace nuvora::devserver {

namespace {

void bindAll(sqlite3_stmt *stmt, const QVariantList &args)
{
    for (int i = 0; i < args.size(); ++i) {
        const QVariant &arg = args.at(i);
        const int index = i + 1;
        if (arg.isNull()) {
            sqlite3_bind_null(stmt, index);
        } else if (arg.typeId() == QMetaType::QString) {
            const QByteArray utf8 = arg.toString().toUtf8();
            sqlite3_bind_text(stmt, index, utf8.constData(), static_cast<int>(utf8.size()),
                              SQLITE_TRANSIENT);
        } else if (arg.typeId() == QMetaType::QByteArray) {
            const QByteArray bytes = arg.toByteArray();
            sqlite3_bind_blob(stmt, index, bytes.constData(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
        } else if (arg.typeId() == QMetaType::Double) {
            sqlite3_bind_double(stmt, index, arg.toDouble());
        } else {
            sqlite3_bind_int64(stmt, index, arg.toLongLong());
        }
    }
}

} // namespace

bool Row::isNull(const QString &column) const
{
    const auto it = columns_.constFind(column);
    return it == columns_.constEnd() || it->isNull();
}

Database::~Database()
{
    close();
}

bool Database::open(const QString &path)
{
    close();
    if (sqlite3_open(path.toUtf8().constData(), &db_) != SQLITE_OK) {
        qCWarning(lcDevServer) << "cannot open database" << path;
        close();
        return false;
    }
    sqlite3_busy_timeout(db_, 2000);
    script(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA foreign_keys=OFF;"));
    return true;
}

void Database::close()
{
    if (db_)
        sqlite3_close(db_);
    db_ = nullptr;
}

bool Database::script(const QString &sql)
{
    if (!db_)
        return false;
    char *error = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        qCWarning(lcDevServer) << "sql failed:" << (error ? error : "") << sql.left(80);
        sqlite3_free(error);
        return false;
    }
    return true;
}

bool Database::exec(const QString &sql, const QVariantList &args)
{
    return run(sql, args, nullptr);
}

QList<Row> Database::rows(const QString &sql, const QVariantList &args)
{
    QList<Row> out;
    run(sql, args, &out);
    return out;
}

QList<Row> Database::page(const QString &sql, QVariantList args, int size, int number)
{
    args << size << qint64(number - 1) * size;
    return rows(sql + QStringLiteral(" LIMIT ? OFFSET ?"), args);
}

Row Database::row(const QString &sql, const QVariantList &args)
{
    const QList<Row> all = rows(sql, args);
    return all.isEmpty() ? Row() : all.first();
}

qint64 Database::integer(const QString &sql, const QVariantList &args)
{
    if (!db_)
        return 0;
    sqlite3_stmt *stmt = nullptr;
    qint64 value = 0;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) == SQLITE_OK) {
        bindAll(stmt, args);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_int64(stmt, 0);
    } else {
        qCWarning(lcDevServer) << "sql prepare failed:" << sqlite3_errmsg(db_) << sql.left(120);
    }
    sqlite3_finalize(stmt);
    return value;
}

qint64 Database::insert(const QString &sql, const QVariantList &args)
{
    return run(sql, args, nullptr) ? sqlite3_last_insert_rowid(db_) : 0;
}

qint64 Database::changes() const
{
    return db_ ? sqlite3_changes64(db_) : 0;
}

bool Database::run(const QString &sql, const QVariantList &args, QList<Row> *out)
{
    if (!db_)
        return false;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        qCWarning(lcDevServer) << "sql prepare failed:" << sqlite3_errmsg(db_) << sql.left(120);
        return false;
    }
    bindAll(stmt, args);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (!out)
            continue;
        QVariantMap columns;
        const int count = sqlite3_column_count(stmt);
        for (int c = 0; c < count; ++c) {
            const QString name = QString::fromUtf8(sqlite3_column_name(stmt, c));
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                columns.insert(name, static_cast<qint64>(sqlite3_column_int64(stmt, c)));
                break;
            case SQLITE_FLOAT:
                columns.insert(name, sqlite3_column_double(stmt, c));
                break;
            case SQLITE_NULL:
                columns.insert(name, QVariant());
                break;
            default:
                columns.insert(name, QString::fromUtf8(reinterpret_cast<const char *>(
                                         sqlite3_column_text(stmt, c))));
            }
        }
        out->append(Row(columns));
    }
    const bool ok = rc == SQLITE_DONE;
    if (!ok)
        qCWarning(lcDevServer) << "sql step failed:" << sqlite3_errmsg(db_) << sql.left(120);
    sqlite3_finalize(stmt);
    return ok;
}

} // namespace nuvora::devserver
