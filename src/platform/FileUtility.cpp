#include "FileUtility.h"

#include "LogCategories.h"

#include <QDir>
#include <QFile>

#include <sys/xattr.h>

namespace FileUtility {

namespace {
// The attribute the phone's backup honours, kept in the user namespace here.
constexpr char kBackupAttribute[] = "user.com.apple.MobileBackup";

void excludeFromBackup(const QString &path)
{
    const char value = 1;
    const QByteArray native = QFile::encodeName(path);
    if (setxattr(native.constData(), kBackupAttribute, &value, 1, 0) != 0)
        qCDebug(lcPlatform) << "no extended attributes on this filesystem for" << path;
}
} // namespace

QString creatDirectoryAtDocumentDirectory(const QString &documentsDirectory, const QString &name)
{
    const QString path = QDir(documentsDirectory).filePath(name);
    if (!QDir(path).exists()) {
        if (!QDir().mkpath(path))
            qCWarning(lcPlatform) << "cannot create" << path;
        else
            excludeFromBackup(path);
    }
    return path;
}

QString pathOfChatFile(const QString &documentsDirectory, const QString &fileName)
{
    return QDir(creatDirectoryAtDocumentDirectory(documentsDirectory, QStringLiteral("ChatLog")))
        .filePath(fileName);
}

QString pathOfNormalFile(const QString &documentsDirectory, const QString &fileName)
{
    return QDir(creatDirectoryAtDocumentDirectory(documentsDirectory, QStringLiteral("Normal")))
        .filePath(fileName);
}

bool isExcludedFromBackup(const QString &path)
{
    char value = 0;
    const QByteArray native = QFile::encodeName(path);
    return getxattr(native.constData(), kBackupAttribute, &value, 1) == 1 && value == 1;
}

} // namespace FileUtility
