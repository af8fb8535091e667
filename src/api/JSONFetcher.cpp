#include "JSONFetcher.h"

#include "FormEncoder.h"
#include "api/json/JsonReader.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/JsonVariant.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <algorithm>
#include <limits>

namespace json = nuvora::json;

namespace {
HTTPFetcher::Action wrap(JSONFetcher::JSONAction action)
{
    if (!action)
        return nullptr;
    return [action = std::move(action)](HTTPFetcher *fetcher) {
        action(static_cast<JSONFetcher *>(fetcher));
    };
}

QNetworkRequest formRequest(const QString &url)
{
    QNetworkRequest request{QUrl(url)};
    // What the platform sends for a form body anyway; set so that Qt need not guess.
    request.setRawHeader("Content-Type", "application/x-www-form-urlencoded");
    return request;
}
} // namespace

JSONFetcher::JSONFetcher(AppContext &context, const QString &baseAddress, const QString &interface,
                         const QVariantMap &parameters, QObject *receiver, JSONAction action)
    : JSONFetcher(context, formRequest(baseAddress + interface), QByteArrayLiteral("POST"),
                  FormEncoder::formBody(parameters), receiver, std::move(action))
{
    addSessionHeaders(context, mutableRequest());
    setDecodesGzip();
}

JSONFetcher::JSONFetcher(AppContext &context, QNetworkRequest request, QByteArray method,
                         QByteArray body, QObject *receiver, JSONAction action)
    : HTTPFetcher(context, std::move(request), std::move(method), std::move(body), receiver,
                  wrap(std::move(action)))
{
}

JSONFetcher *JSONFetcher::document(AppContext &context, const QString &urlString, QObject *receiver,
                                   JSONAction action)
{
    return new JSONFetcher(context, QNetworkRequest(QUrl(urlString)), QByteArrayLiteral("GET"), {},
                           receiver, std::move(action));
}

const json::Value &JSONFetcher::reply() const
{
    static const json::Value none;
    return result_ ? *result_ : none;
}

void JSONFetcher::addSessionHeaders(AppContext &context, QNetworkRequest &request)
{
    const SettingsStore &settings = context.settings();
    request.setRawHeader("Cookie", FormEncoder::cookie(settings));
    const QString clientInfo = settings.string(SettingsKeys::clientInfo);
    if (!clientInfo.isEmpty())
        request.setRawHeader("User-Agent", clientInfo.toUtf8());
}

void JSONFetcher::processReply()
{
    json::JsonReader reader;
    result_ = reader.objectWithData(data().constData(), size_t(data().size()));
    // Saturated, not truncated: 2^32 + 1 must not read as 1 (success).
    const int64_t status = result_ ? (*result_)["status"].toInteger() : 0;
    setStatus(int(std::clamp<int64_t>(status, std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max())));
    const json::Value *message = result_ ? result_->find("message") : nullptr;
    setMessage(message && !message->isNull() ? JsonVariant::toQString(message->toText())
                                             : kNetworkFailure);
    applyFeedNotify();
}

// The counters always reflect the latest reply, so a missing value removes them.
void JSONFetcher::applyFeedNotify()
{
    const json::Value *feedNotify = result_ ? result_->find("feed_notify") : nullptr;
    const json::Value *follow = feedNotify ? feedNotify->find("feedfollowcount") : nullptr;
    const json::Value *remind = feedNotify ? feedNotify->find("feedremindcount") : nullptr;
    SettingsStore &settings = context().settings();
    auto store = [&](const QString &key, const json::Value *value) {
        if (value && !value->isNull())
            settings.setValue(key, *value);
        else
            settings.remove(key);
    };
    store(SettingsKeys::feedFollowCount, follow);
    store(SettingsKeys::feedRemindCount, remind);
    settings.flush();

    NotificationCenter &notifications = context().notifications();
    if (remind && remind->toInteger() > 0)
        notifications.post(NotificationNames::remind);
    if (feedNotify && !feedNotify->isNull()) {
        const json::Value *version = feedNotify->find("userinfoversion");
        const qint64 received = version ? version->toInteger() : 0;
        if (received != context().session().userInfoVersion())
            notifications.post(NotificationNames::userInfoChanged);
    }
}
