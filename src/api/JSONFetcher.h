#pragma once
// A form-encoded POST to an API script with a JSON reply. Before the receiver
// hears of the reply, the layer stores the feed counters and posts the
// reminder and profile-change notifications the reply calls for.

#include "HTTPFetcher.h"
#include "api/json/JsonValue.h"

#include <QVariantMap>

#include <optional>

class JSONFetcher : public HTTPFetcher {
    Q_OBJECT
public:
    using JSONAction = std::function<void(JSONFetcher *fetcher)>;

    // POST to `baseAddress` + `interface` with `parameters` as the form body.
    JSONFetcher(AppContext &context, const QString &baseAddress, const QString &interface,
                const QVariantMap &parameters, QObject *receiver, JSONAction action);

    // A plain GET of a JSON document (the start-up configuration), no headers added.
    static JSONFetcher *document(AppContext &context, const QString &urlString, QObject *receiver,
                                 JSONAction action);

    // The decoded reply; none when the body was not JSON. Valid during the callback.
    const std::optional<nuvora::json::Value> &result() const { return result_; }
    // The decoded reply, or a null value when there is none.
    const nuvora::json::Value &reply() const;

protected:
    JSONFetcher(AppContext &context, QNetworkRequest request, QByteArray method, QByteArray body,
                QObject *receiver, JSONAction action);

    // The headers every API call carries: gzip, the session cookie, the client.
    static void addSessionHeaders(AppContext &context, QNetworkRequest &request);

    void processReply() override;
    void releaseResult() override { result_.reset(); }

private:
    void applyFeedNotify();

    std::optional<nuvora::json::Value> result_;
};
