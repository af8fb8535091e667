#pragma once
// Whether a Linux desktop has an application registered for an address scheme, read
// from the freedesktop MIME association files; elsewhere the system's opener decides.

#include <QString>

namespace DesktopSchemeHandlers {

// False only where the desktop's association files register nothing for `scheme`
// ("tel"); web addresses always find the browser.
bool mayHandle(const QString &scheme);

} // namespace DesktopSchemeHandlers
