#include "UrlOpener.h"

#include "LogCategories.h"
#include "WebAddress.h"

#include <QDesktopServices>

void UrlOpener::open(const QUrl &url)
{
    if (!url.isValid())
        return;
    opened_.append(url);
    if (opensExternally_ && !QDesktopServices::openUrl(url))
        qCInfo(lcPlatform) << "no handler for" << url.scheme() << "addresses";
    emit urlOpened(url);
}

void UrlOpener::openWebPage(const QUrl &url)
{
    if (WebAddress::isWeb(url))
        open(url);
    else
        qCInfo(lcPlatform) << "not a web page, not opened:" << url.scheme();
}

void UrlOpener::openTelephone(const QString &number)
{
    open(QUrl(QStringLiteral("tel:") + number));
}
