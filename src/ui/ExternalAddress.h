#pragma once
// Addresses handed to the system (a web page, a telephone number): where nothing takes
// one (a desktop without a browser or a dialler), the user sees the address with why,
// and finds it copied, rather than a tap that silently does nothing.

#include <QString>

class AppContext;
class QUrl;

namespace ExternalAddress {

inline const QString kNoBrowser = QStringLiteral("本机无法打开网页，网址已复制");

// Shows `address` in the common alert with `reason` and copies it to the clipboard.
void showAndCopy(AppContext &context, const QString &address, const QString &reason);

// Opens `url` when it is a web page; one that nothing could open is shown and copied.
// False when it did not open.
bool openWebPage(AppContext &context, const QUrl &url);

} // namespace ExternalAddress
