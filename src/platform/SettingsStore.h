#pragma once
// The key-value settings store: one JSON object in `settings.json` of the data
// directory, string or object values, written atomically and owner-only on flush.

#include "api/json/JsonValue.h"

#include <QObject>
#include <QString>

class SettingsStore : public QObject {
    Q_OBJECT
public:
    // Reads `filePath` at once. A missing file reads as empty; a damaged one is
    // kept beside it (see damagedCopyPath) and reads as empty.
    explicit SettingsStore(const QString &filePath, QObject *parent = nullptr);

    QString filePath() const { return filePath_; }
    // Where the last damaged file was kept, or empty.
    QString damagedCopyPath() const { return damagedCopyPath_; }

    bool contains(const QString &key) const;
    // The text of a string value or the decimal text of a number; "" otherwise.
    QString string(const QString &key) const;
    // The integer value of a number or numeric text; 0 otherwise.
    qint64 integer(const QString &key) const;
    // The stored value as it is; null when absent.
    nuvora::json::Value value(const QString &key) const;

    void setString(const QString &key, const QString &text);
    void setValue(const QString &key, nuvora::json::Value value);
    void remove(const QString &key);

    // Writes the store to disk now; false (and logged) when the write failed.
    bool flush();

private:
    void load();
    void keepDamagedFile();

    QString filePath_;
    QString damagedCopyPath_;
    nuvora::json::Object values_;
};
