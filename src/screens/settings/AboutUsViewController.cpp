#include "AboutUsViewController.h"

#include "StyledTextFilter.h"
#include "api/HTTPFetcher.h"
#include "platform/AppContext.h"
#include "platform/UrlOpener.h"

AboutUsViewController::AboutUsViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent)
{
}

AboutUsViewController::~AboutUsViewController()
{
    // Cancels a load still running.
    delete fetcher_;
}

QUrl AboutUsViewController::pageUrl() const
{
    return QUrl(context().options().webHost.toString(QUrl::StripTrailingSlash) + kPath);
}

void AboutUsViewController::viewDidLoad()
{
    fetcher_ = new HTTPFetcher(context(), pageUrl().toString(), this,
                               [this](HTTPFetcher *fetcher) { loaded(fetcher); });
    fetcher_->start();
    emit busyChanged();
}

void AboutUsViewController::loaded(HTTPFetcher *fetcher)
{
    loadFailed_ = !fetcher->message().isEmpty();
    if (!loadFailed_)
        pageText_ = StyledTextFilter::filter(QString::fromUtf8(fetcher->data()), pageUrl());
    fetcher_ = nullptr;
    fetcher->deleteLater();
    emit pageChanged();
    emit busyChanged();
}

void AboutUsViewController::openLink(const QString &link)
{
    context().urlOpener().openWebPage(QUrl(link));
}
