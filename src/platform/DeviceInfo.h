#pragma once
// Facts about the device and the application for the client identification.

#include <QString>

namespace DeviceInfo {

// The version this build ships as.
inline constexpr char kShortVersion[] = "2.0.0";

// The application's short version string (the application's own when it set one).
QString shortVersion();
// The machine field of uname, e.g. "x86_64".
QString machine();
// The operating system's version, e.g. "12".
QString osVersion();

} // namespace DeviceInfo
