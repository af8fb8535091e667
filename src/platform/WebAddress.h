#pragma once
// Which addresses from the server the client may open or fetch: web pages and images
// only (http and https with a host), never local files, inline data or resources.

#include <QUrl>

namespace WebAddress {

bool isWeb(const QUrl &url);

} // namespace WebAddress
