#pragma once
// Turns stored rows into the JSON objects the client's records read (user,
// club, party, photo, mood, comment, feed entry), as seen by one viewer.

#include "Database.h"
#include "JsonText.h"

#include <QHash>

namespace nuvora::devserver {

class RecordBuilder {
public:
    RecordBuilder(Database &db, const QString &baseUrl, qint64 viewerUid);

    QString imageUrl(const QString &key) const;

    json::Object user(const Row &row);
    // An empty object for an unknown user.
    json::Object userById(qint64 uid);
    json::Array users(const QList<Row> &rows);
    json::Object club(const Row &row);
    json::Array clubs(const QList<Row> &rows);
    json::Object party(const Row &row);
    json::Array parties(const QList<Row> &rows);
    json::Object photo(const Row &row);
    json::Array photos(const QList<Row> &rows);
    json::Object mood(const Row &row);
    // A board or photo/mood comment; `idKey` is "crid", "prid" or "mrid".
    // The row carries the remark's columns and the author's nickname and avatar.
    json::Object remark(const Row &row, const std::string &idKey);
    json::Array remarks(const QList<Row> &rows, const std::string &idKey);
    // One feed entry, or nothing when what it refers to is gone.
    std::optional<json::Object> feedEntry(const Row &row);
    json::Array feedEntries(const QList<Row> &rows);

    // The SQL selecting remarks of one kind and target with their authors.
    static QString remarkQuery();

private:
    // One record per row, built by `build`.
    json::Array eachRow(const QList<Row> &rows, json::Object (RecordBuilder::*build)(const Row &))
    {
        json::Array out;
        out.reserve(size_t(rows.size()));
        for (const Row &row : rows)
            out.push_back(json::Value((this->*build)(row)));
        return out;
    }
    std::optional<json::Object> objectById(const QString &table, const QString &idColumn, qint64 id,
                                           json::Object (RecordBuilder::*make)(const Row &));

    Database &db_;
    QString baseUrl_;
    qint64 viewer_;
    QHash<qint64, json::Object> userCache_;
};

} // namespace nuvora::devserver
