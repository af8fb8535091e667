#include "DesktopSchemeHandlers.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>

namespace DesktopSchemeHandlers {

namespace {

// Whether one association file names a handler for `mimeType` outside its removals.
bool fileRegisters(const QString &path, const QString &mimeType)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    const QString prefix = mimeType + QLatin1Char('=');
    bool removals = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')))
            removals = line == QLatin1String("[Removed Associations]");
        else if (!removals && line.startsWith(prefix) && line.size() > prefix.size())
            return true;
    }
    return false;
}

} // namespace

bool mayHandle(const QString &scheme)
{
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return true;
    const QString mimeType = QStringLiteral("x-scheme-handler/") + scheme;
    QStringList files;
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        files << dir + QStringLiteral("/mimeapps.list");
    for (const QString &dir :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        files << dir + QStringLiteral("/mimeapps.list") << dir + QStringLiteral("/mimeinfo.cache");
    for (const QString &file : files) {
        if (fileRegisters(file, mimeType))
            return true;
    }
    return false;
#else
    Q_UNUSED(scheme)
    return true;
#endif
}

} // namespace DesktopSchemeHandlers
