#include "DataDirectoryLock.h"

#include <QDir>

DataDirectoryLock::DataDirectoryLock(const QString &dataDirectory)
    : directory_(QDir(dataDirectory).absolutePath()), file_(QDir(directory_).filePath(kFileName))
{
    // Only a holder that no longer runs makes the lock stale, however long the run.
    file_.setStaleLockTime(0);
}

bool DataDirectoryLock::tryLock()
{
    if (!QDir().mkpath(directory_)) {
        error_ = QStringLiteral("cannot create the data directory %1").arg(directory_);
        return false;
    }
    if (file_.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host, application;
    if (file_.error() == QLockFile::LockFailedError && file_.getLockInfo(&pid, &host, &application))
        error_ = QStringLiteral("another client (process %1) already runs on the data directory "
                                "%2; --push JSON hands it a push payload")
                     .arg(QString::number(pid), directory_);
    else
        error_ = QStringLiteral("cannot lock the data directory %1").arg(directory_);
    return false;
}
