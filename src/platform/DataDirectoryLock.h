#pragma once
// Keeps a data directory to one client: two clients on one settings file would
// overwrite each other's settings. The lock file is held for the whole run; one left
// behind by a client that died is taken over.

#include <QLockFile>
#include <QString>

class DataDirectoryLock {
public:
    static inline const QString kFileName = QStringLiteral("client.lock");

    explicit DataDirectoryLock(const QString &dataDirectory);

    // False, with error() saying why, when another client runs on the directory or the
    // lock file cannot be made.
    bool tryLock();
    QString error() const { return error_; }

private:
    QString directory_;
    QLockFile file_;
    QString error_;
};
