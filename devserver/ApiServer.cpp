#include "ApiServer.h"

#include "Database.h"
#include "FeedLog.h"

#include <cmath>

namespace nuvora::devserver {

ApiServer::ApiServer(Database &db, FeedLog &feeds, const QString &baseUrl)
    : db_(db), feeds_(feeds), baseUrl_(baseUrl)
{
}

void ApiServer::add(const QString &name, Access access, Script script)
{
    scripts_.insert(name, Entry{access, std::move(script)});
}

HttpResponse ApiServer::handle(const HttpRequest &request) const
{
    const QString name = request.path.mid(QString::fromLatin1(kPrefix).size());
    const auto entry = scripts_.constFind(name);
    if (entry == scripts_.constEnd())
        return HttpResponse::text(404, "no such script");

    ApiRequest call;
    call.script = name;
    call.baseUrl = baseUrl_;
    call.applyCookie(request.header("Cookie"));
    // Query parameters count too, so scripts can be tried from a browser.
    for (const auto &[key, value] : request.query.queryItems(QUrl::FullyDecoded))
        call.form.fields.insert(key, value);
    call.form.merge(FormData::fromBody(request.body, request.header("Content-Type")));
    if (!call.token.isEmpty()) {
        call.uid = db_.integer(
            QStringLiteral("SELECT uid FROM sessions WHERE token = ? AND ended = 0"), {call.token});
    }

    // Members are found where their phones last reported them.
    if (call.uid && call.hasPosition() && std::abs(call.lat) <= 90 && std::abs(call.lng) <= 180)
        db_.exec(QStringLiteral("UPDATE users SET lat = ?, lng = ? WHERE uid = ?"),
                 {call.lat, call.lng, call.uid});

    ApiResult result = entry->access == Access::SignedIn && call.uid == 0 ? ApiResult::notSignedIn()
                                                                          : entry->script(call);

    // A sign-in or sign-out changes who the reply is for.
    const qint64 uid =
        call.token.isEmpty() && !result.payload.contains("logintoken")
            ? call.uid
            : db_.integer(QStringLiteral("SELECT uid FROM sessions WHERE token = ? AND ended = 0"),
                          {result.payload.contains("logintoken")
                               ? qtext(*result.payload.find("logintoken"))
                               : call.token});
    json::Object envelope = std::move(result.payload);
    envelope.set("status", number(result.status));
    envelope.set("message", text(result.message));
    if (uid)
        envelope.set("feed_notify", json::Value(feeds_.counters(uid)));
    return HttpResponse::json(encode(json::Value(std::move(envelope))));
}

} // namespace nuvora::devserver
