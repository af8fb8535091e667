#pragma once
// A prepared SQLite statement: values bound as parameters (so that no text can end
// a quoted literal), stepped row by row, reset for the next use.

#include <QByteArray>
#include <QString>

#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class SqliteStatement {
public:
    // Kept statements are prepared for reuse across many calls.
    SqliteStatement(sqlite3 *db, const char *sql, bool keep = false);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;

    bool isValid() const { return statement_ != nullptr; }

    enum class Step { Row, Done, Failed };

    // Parameters count from 1.
    SqliteStatement &bind(int index, int value);
    SqliteStatement &bind(int index, qint64 value);
    SqliteStatement &bind(int index, const QString &text);

    // One step; a statement that could not be prepared fails.
    Step step();
    // True while a row is available.
    bool nextRow() { return step() == Step::Row; }
    // Runs a statement that returns no rows; true on success.
    bool execute();
    // Clears the bindings and rewinds for the next use.
    void reset();

    int columnInt(int column) const;
    qint64 columnInt64(int column) const;
    QString columnText(int column) const;

private:
    sqlite3_stmt *statement_ = nullptr;
    // The UTF-8 of the texts bound since the last reset.
    std::vector<QByteArray> boundText_;
};
