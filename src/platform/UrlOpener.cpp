#include "UrlOpener.h"

#include "DesktopSchemeHandlers.h"
#include "LogCategories.h"
#include "WebAddress.h"

#include <QDesktopServices>

bool UrlOpener::open(const QUrl &url)
{
    if (!url.isValid())
        return false;
    bool handled = !unhandled_.contains(url.scheme());
    if (opensExternally_) {
        // A desktop's generic opener starts for any scheme, also one nothing handles.
        handled = DesktopSchemeHandlers::mayHandle(url.scheme()) && QDesktopServices::openUrl(url);
    }
    if (!handled) {
        qCInfo(lcPlatform) << "no handler for" << url.scheme() << "addresses";
        return false;
    }
    opened_.append(url);
    emit urlOpened(url);
    return true;
}

bool UrlOpener::openWebPage(const QUrl &url)
{
    if (WebAddress::isWeb(url))
        return open(url);
    qCInfo(lcPlatform) << "not a web page, not opened:" << url.scheme();
    return false;
}

bool UrlOpener::openTelephone(const QString &number)
{
    QUrl url;
    url.setScheme(QStringLiteral("tel"));
    url.setPath(number);
    return open(url);
}
