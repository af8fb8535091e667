#include "UrlOpener.h"

#include "LogCategories.h"

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

void UrlOpener::openTelephone(const QString &number)
{
    open(QUrl(QStringLiteral("tel:") + number));
}
