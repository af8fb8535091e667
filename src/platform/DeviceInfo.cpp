#include "DeviceInfo.h"

#include <QCoreApplication>
#include <QSysInfo>

#include <sys/utsname.h>

namespace DeviceInfo {

QString shortVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QString::fromLatin1(kShortVersion) : version;
}

QString machine()
{
    utsname name{};
    if (uname(&name) != 0)
        return QSysInfo::currentCpuArchitecture();
    return QString::fromLocal8Bit(name.machine);
}

QString osVersion()
{
    return QSysInfo::productVersion();
}

} // namespace DeviceInfo
