#include "SqliteStatement.h"

#include "platform/LogCategories.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3 *db, const char *sql, bool keep)
{
    if (!db)
        return;
    const unsigned flags = keep ? SQLITE_PREPARE_PERSISTENT : 0;
    if (sqlite3_prepare_v3(db, sql, -1, flags, &statement_, nullptr) != SQLITE_OK) {
        qCWarning(lcStore, "cannot prepare \"%s\": %s", sql, sqlite3_errmsg(db));
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(statement_);
}

SqliteStatement &SqliteStatement::bind(int index, int value)
{
    if (statement_)
        sqlite3_bind_int(statement_, index, value);
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, qint64 value)
{
    if (statement_)
        sqlite3_bind_int64(statement_, index, value);
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, const QString &text)
{
    if (statement_) {
        // Kept until the next reset, so that SQLite need not copy it.
        const QByteArray &utf8 = boundText_.emplace_back(text.toUtf8());
        sqlite3_bind_text(statement_, index, utf8.constData(), int(utf8.size()), SQLITE_STATIC);
    }
    return *this;
}

SqliteStatement::Step SqliteStatement::step()
{
    if (!statement_)
        return Step::Failed;
    switch (sqlite3_step(statement_)) {
    case SQLITE_ROW:
        return Step::Row;
    case SQLITE_DONE:
        return Step::Done;
    default:
        qCWarning(lcStore, "statement failed: %s", sqlite3_errmsg(sqlite3_db_handle(statement_)));
        return Step::Failed;
    }
}

bool SqliteStatement::execute()
{
    Step result = step();
    while (result == Step::Row)
        result = step();
    return result == Step::Done;
}

void SqliteStatement::reset()
{
    if (statement_) {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    boundText_.clear();
}

int SqliteStatement::columnInt(int column) const
{
    return sqlite3_column_int(statement_, column);
}

qint64 SqliteStatement::columnInt64(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

QString SqliteStatement::columnText(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(statement_, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(statement_, column)) : QString();
}
