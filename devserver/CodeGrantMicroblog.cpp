#include "CodeGrantMicroblog.h"

#include "Database.h"
#include "FormData.h"
#include "JsonText.h"
#include "MicroblogApps.h"

#include <QUrl>

namespace nuvora::devserver {

namespace {

constexpr qint64 kTokenLifetime = 7 * 24 * 3600;

HttpResponse error(int httpStatus, int code, const char *message)
{
    json::Object o;
    o.set("error", json::Value(message));
    o.set("error_code", number(code));
    return HttpResponse{httpStatus, "application/json; charset=utf-8",
                        encode(json::Value(std::move(o)))};
}

QString withQuery(const QString &address, const QString &query)
{
    return address + (address.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?'))
           + query;
}

FormData parameters(const HttpRequest &request)
{
    FormData form;
    for (const auto &[key, value] : request.query.queryItems(QUrl::FullyDecoded))
        form.fields.insert(key, value);
    form.merge(FormData::fromBody(request.body, request.header("Content-Type")));
    return form;
}

} // namespace

HttpResponse CodeGrantMicroblog::authorize(const HttpRequest &request) const
{
    const QString clientId = request.query.queryItemValue(QStringLiteral("client_id"));
    const QString redirect =
        request.query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded);
    if (clientId != QLatin1String(microblogApps::kCodeGrantKey) || redirect.isEmpty()) {
        HttpResponse page =
            HttpResponse::html(QStringLiteral("授权失败"), QStringLiteral("<p>应用参数错误</p>"));
        page.status = 400;
        return page;
    }
    const QString code = store_.issue(MicroblogStore::CodeGrant, QStringLiteral("code"));
    return HttpResponse::html(
        QStringLiteral("授权"),
        QStringLiteral("<p>是否允许Nuvora使用你的微博账号发表内容？</p>"
                       "<a id=\"approve\" href=\"%1\">授权</a> <a id=\"deny\" href=\"%2\">取消</a>")
            .arg(withQuery(redirect, QStringLiteral("code=") + code).toHtmlEscaped(),
                 withQuery(redirect, QStringLiteral("code=21330")).toHtmlEscaped()));
}

HttpResponse CodeGrantMicroblog::accessToken(const HttpRequest &request) const
{
    const FormData form = parameters(request);
    if (form.fields.value(QStringLiteral("client_id"))
            != QLatin1String(microblogApps::kCodeGrantKey)
        || form.fields.value(QStringLiteral("client_secret"))
               != QLatin1String(microblogApps::kCodeGrantSecret))
        return error(401, 21323, "invalid_client");
    if (form.fields.value(QStringLiteral("grant_type")) != QStringLiteral("authorization_code"))
        return error(400, 21324, "unsupported_grant_type");
    const QString code = form.fields.value(QStringLiteral("code"));
    if (!store_.find(MicroblogStore::CodeGrant, QStringLiteral("code"), code).isValid())
        return error(400, 21325, "invalid_grant");
    store_.revoke(code);
    const QString account = QStringLiteral("1900000001");
    const QString token =
        store_.issue(MicroblogStore::CodeGrant, QStringLiteral("access"), {}, account);
    json::Object o;
    o.set("access_token", text(token));
    o.set("expires_in", number(kTokenLifetime));
    o.set("remind_in", numericText(kTokenLifetime));
    o.set("uid", text(account));
    return HttpResponse::json(encode(json::Value(std::move(o))));
}

HttpResponse CodeGrantMicroblog::post(const HttpRequest &request) const
{
    const FormData form = parameters(request);
    const Row token = store_.find(MicroblogStore::CodeGrant, QStringLiteral("access"),
                                  form.fields.value(QStringLiteral("access_token")));
    if (!token.isValid())
        return error(401, 21332, "invalid_access_token");
    const QString status = form.fields.value(QStringLiteral("status")).trimmed();
    if (status.isEmpty())
        return error(400, 10016, "miss required parameter (status)");
    if (status.size() > 140)
        return error(400, 20012, "text too long");
    const QString account = token.text(QStringLiteral("account"));
    const qint64 id = store_.post(MicroblogStore::CodeGrant, account, status);
    json::Object o;
    o.set("id", number(id));
    o.set("idstr", numericText(id));
    o.set("text", text(status));
    return HttpResponse::json(encode(json::Value(std::move(o))));
}

} // namespace nuvora::devserver
