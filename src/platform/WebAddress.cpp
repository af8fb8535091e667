#include "WebAddress.h"

namespace WebAddress {

bool isWeb(const QUrl &url)
{
    // QUrl keeps schemes in lower case, so "HTTP:" is also a web address.
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
           && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

} // namespace WebAddress
