#include "ExternalAddress.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/UrlOpener.h"
#include "platform/WebAddress.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUrl>

namespace ExternalAddress {

void showAndCopy(AppContext &context, const QString &address, const QString &reason)
{
    if (auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        application->clipboard()->setText(address);
    context.alerts().showCommonAlert(address, reason);
}

bool openWebPage(AppContext &context, const QUrl &url)
{
    if (context.urlOpener().openWebPage(url))
        return true;
    // An address that is no web page is refused, not offered by hand.
    if (WebAddress::isWeb(url))
        showAndCopy(context, url.toString(), kNoBrowser);
    return false;
}

} // namespace ExternalAddress
