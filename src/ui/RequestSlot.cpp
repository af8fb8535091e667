#include "RequestSlot.h"

#include "api/MultipartPOSTFetcher.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/ViewController.h"

RequestSlot::RequestSlot(AppContext &context, QObject *owner) : QObject(owner), context_(context)
{
}

RequestSlot::~RequestSlot()
{
    cancel();
}

bool RequestSlot::post(const QString &script, const QVariantMap &parameters, Handler onSuccess,
                       Handler onFailure)
{
    if (busy())
        return false;
    return start(new JSONFetcher(context_, context_.session().apiServerAddress, script, parameters,
                                 this, [this](JSONFetcher *fetcher) { finished(fetcher); }),
                 std::move(onSuccess), std::move(onFailure));
}

bool RequestSlot::upload(const QString &script, const QVariantMap &parameters, Handler onSuccess,
                         Handler onFailure)
{
    if (busy())
        return false;
    return start(new MultipartPOSTFetcher(context_, context_.session().apiServerAddress, script,
                                          parameters, this,
                                          [this](JSONFetcher *fetcher) { finished(fetcher); }),
                 std::move(onSuccess), std::move(onFailure));
}

bool RequestSlot::getDocument(const QString &url, Handler onSuccess, Handler onFailure)
{
    if (busy())
        return false;
    return start(JSONFetcher::document(context_, url, this,
                                       [this](JSONFetcher *fetcher) { finished(fetcher); }),
                 std::move(onSuccess), std::move(onFailure));
}

bool RequestSlot::start(JSONFetcher *fetcher, Handler onSuccess, Handler onFailure)
{
    fetcher->setParent(this);
    if (timeoutInterval_ > 0)
        fetcher->setTimeoutInterval(timeoutInterval_);
    fetcher_ = fetcher;
    onSuccess_ = std::move(onSuccess);
    onFailure_ = std::move(onFailure);
    setProgress(0);
    connect(fetcher, &HTTPFetcher::uploadProgress, this,
            [this](qint64 sent, qint64 total) { setProgress(double(sent) / double(total)); });
    emit busyChanged();
    fetcher->start();
    return true;
}

void RequestSlot::cancel()
{
    if (!fetcher_)
        return;
    JSONFetcher *fetcher = fetcher_;
    fetcher_ = nullptr;
    fetcher->cancel();
    fetcher->deleteLater();
    onSuccess_ = nullptr;
    onFailure_ = nullptr;
    emit busyChanged();
}

void RequestSlot::setProgress(double progress)
{
    if (progress == progress_)
        return;
    progress_ = progress;
    emit progressChanged();
}

void RequestSlot::alertFailure(const JSONFetcher &reply)
{
    if (!ownerIsInFront())
        return;
    context_.alerts().showCommonAlert(reply.message(), QString());
}

bool RequestSlot::ownerIsInFront() const
{
    // Slots sit on their screen or on a list the screen holds. A slot of no screen (the
    // application's own requests) always speaks.
    for (QObject *owner = parent(); owner; owner = owner->parent()) {
        if (auto *screen = qobject_cast<ViewController *>(owner))
            return screen->isInFront();
    }
    return true;
}

void RequestSlot::finished(JSONFetcher *fetcher)
{
    // The slot is free again before the handler runs, so that the handler may start
    // the next request of the same purpose.
    fetcher_ = nullptr;
    const Handler onSuccess = std::move(onSuccess_);
    const Handler onFailure = std::move(onFailure_);
    onSuccess_ = nullptr;
    onFailure_ = nullptr;
    emit busyChanged();
    if (fetcher->status() == 1 && fetcher->result()) {
        if (onSuccess)
            onSuccess(*fetcher);
    } else if (onFailure) {
        onFailure(*fetcher);
    } else {
        alertFailure(*fetcher);
    }
    // Not while it is still calling back.
    fetcher->deleteLater();
}
