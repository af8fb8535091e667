#pragma once
// The server's SQLite connection: statements with positional arguments,
// answered as rows of named columns. Errors are logged and yield nothing.

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

struct sqlite3;

namespace nuvora::devserver {

class Row {
public:
    Row() = default;
    explicit Row(QVariantMap columns) : columns_(std::move(columns)) {}

    bool isValid() const { return !columns_.isEmpty(); }
    qint64 integer(const QString &column) const { return columns_.value(column).toLongLong(); }
    double real(const QString &column) const { return columns_.value(column).toDouble(); }
    QString text(const QString &column) const { return columns_.value(column).toString(); }
    bool isNull(const QString &column) const;

private:
    QVariantMap columns_;
};

class Database {
public:
    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    bool open(const QString &path);
    void close();
    bool isOpen() const { return db_ != nullptr; }

    bool exec(const QString &sql, const QVariantList &args = {});
    // Runs several statements separated by semicolons, without arguments.
    bool script(const QString &sql);
    QList<Row> rows(const QString &sql, const QVariantList &args = {});
    Row row(const QString &sql, const QVariantList &args = {});
    // The first column of the first row as an integer; 0 when there is none.
    qint64 integer(const QString &sql, const QVariantList &args = {});
    // Page `number` (from 1) of a query's rows, `size` to a page; `sql` has no LIMIT.
    QList<Row> page(const QString &sql, QVariantList args, int size, int number);
    // The same page of rows already in memory.
    static QList<Row> pageOf(const QList<Row> &rows, int size, int number)
    {
        return rows.mid(qsizetype(number - 1) * size, size);
    }
    // Runs an INSERT and answers the new row id, 0 on failure.
    qint64 insert(const QString &sql, const QVariantList &args = {});
    // How many rows the last INSERT, UPDATE or DELETE changed (0 for an ignored INSERT).
    qint64 changes() const;

private:
    bool run(const QString &sql, const QVariantList &args, QList<Row> *out);

    sqlite3 *db_ = nullptr;
};

} // namespace nuvora::devserver
