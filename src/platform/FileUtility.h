#pragma once
// Subdirectories of the documents directory, excluded from device backup; the
// chat logs live in "ChatLog", other documents in "Normal".

#include <QString>

namespace FileUtility {

// The path of `name` inside `documentsDirectory`, created (with its parents) and
// marked as excluded from backup when it did not exist yet.
QString creatDirectoryAtDocumentDirectory(const QString &documentsDirectory, const QString &name);
QString pathOfChatFile(const QString &documentsDirectory, const QString &fileName);
QString pathOfNormalFile(const QString &documentsDirectory, const QString &fileName);

// Whether `path` carries the backup-exclusion mark.
bool isExcludedFromBackup(const QString &path);

} // namespace FileUtility
