#pragma once
// One outstanding request per purpose, the routine every screen follows: starting
// while busy is ignored; `busy` drives the view's indicator; on status 1 the success
// handler reads the reply, otherwise the screen's failure handler runs or the common
// alert shows the reply's message as its title. The request goes with its owner. A
// screen that is not in front lets its requests complete quietly: its rows are there
// when the user comes back, and no alert of it shows over another screen.

#include "api/JSONFetcher.h"

#include <QObject>
#include <QPointer>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <functional>

class AppContext;

class RequestSlot : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the screen controllers")
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // How much of the request body has gone out, from 0 to 1: an upload's progress bar.
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
public:
    using Handler = std::function<void(const JSONFetcher &reply)>;

    // Lives and dies with `owner`, which also guards the handlers.
    RequestSlot(AppContext &context, QObject *owner);
    ~RequestSlot() override;

    bool busy() const { return fetcher_ != nullptr; }
    double progress() const { return progress_; }

    // A form POST of `parameters` to the API script; false (and nothing sent) while busy.
    bool post(const QString &script, const QVariantMap &parameters, Handler onSuccess,
              Handler onFailure = {});
    // An upload: `parameters` may hold "file", a map of one field name to JPEG bytes.
    bool upload(const QString &script, const QVariantMap &parameters, Handler onSuccess,
                Handler onFailure = {});
    // A plain GET of a JSON document outside the API (the start-up configuration).
    bool getDocument(const QString &url, Handler onSuccess, Handler onFailure = {});

    // The common alert for a failed reply, its message as the title; none while the
    // screen owning this slot is not in front.
    void alertFailure(const JSONFetcher &reply);

    // Drops the request in flight; no handler runs.
    void cancel();

    // Shortens the time-out of the requests this slot starts (tests).
    void setTimeoutInterval(double seconds) { timeoutInterval_ = seconds; }

signals:
    void busyChanged();
    void progressChanged();

private:
    bool start(JSONFetcher *fetcher, Handler onSuccess, Handler onFailure);
    bool ownerIsInFront() const;
    void finished(JSONFetcher *fetcher);
    void setProgress(double progress);

    AppContext &context_;
    QPointer<JSONFetcher> fetcher_;
    Handler onSuccess_;
    Handler onFailure_;
    double timeoutInterval_ = 0;
    double progress_ = 0;
};
