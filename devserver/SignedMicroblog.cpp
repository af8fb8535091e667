#include "SignedMicroblog.h"

#include "Database.h"
#include "Dates.h"
#include "FormData.h"
#include "JsonText.h"
#include "MicroblogApps.h"
#include "Passwords.h"

#include <QUrl>

namespace nuvora::devserver {

namespace {

constexpr qint64 kClockSkew = 24 * 3600;

HttpResponse refused(const char *message)
{
    return HttpResponse{401, "text/plain; charset=utf-8", QByteArray(message)};
}

HttpResponse postAnswer(int ret, const QString &message, json::Object data = {})
{
    json::Object o;
    o.set("ret", number(ret));
    o.set("errcode", number(ret));
    o.set("msg", text(message));
    o.set("data", json::Value(std::move(data)));
    return HttpResponse::json(encode(json::Value(std::move(o))));
}

QString queryText(const QList<QPair<QString, QString>> &pairs)
{
    QStringList parts;
    for (const auto &[name, value] : pairs)
        parts << name + QLatin1Char('=') + OAuthSignature::encode(value);
    return parts.join(QLatin1Char('&'));
}

} // namespace

QString SignedMicroblog::value(const OAuthSignature::Parameters &parameters, const QString &name)
{
    for (const auto &pair : parameters) {
        if (pair.first == name)
            return pair.second;
    }
    return {};
}

bool SignedMicroblog::verify(const HttpRequest &request, const QString &tokenKind,
                             OAuthSignature::Parameters *parameters, Row *token)
{
    OAuthSignature::Parameters all;
    for (const auto &pair : request.query.queryItems(QUrl::FullyDecoded))
        all.append(pair);
    const FormData form = FormData::fromBody(request.body, request.header("Content-Type"));
    for (auto it = form.fields.begin(); it != form.fields.end(); ++it)
        all.append({it.key(), it.value()});
    *parameters = all;

    if (value(all, QStringLiteral("oauth_consumer_key")) != QLatin1String(microblogApps::kSignedKey)
        || value(all, QStringLiteral("oauth_signature_method")) != QStringLiteral("HMAC-SHA1"))
        return false;
    const QString nonce = value(all, QStringLiteral("oauth_nonce"));
    bool timeOk = false;
    const qint64 timestamp = value(all, QStringLiteral("oauth_timestamp")).toLongLong(&timeOk);
    if (nonce.isEmpty() || !timeOk || std::abs(timestamp - Dates::now()) > kClockSkew
        || nonces_.contains(nonce))
        return false;

    QString tokenSecret;
    if (!tokenKind.isEmpty()) {
        *token = store_.find(MicroblogStore::Signed, tokenKind,
                             value(all, QStringLiteral("oauth_token")));
        if (!token->isValid())
            return false;
        tokenSecret = token->text(QStringLiteral("secret"));
    }
    const QString url = QStringLiteral("http://") + QString::fromUtf8(request.header("Host"))
                        + QString::fromUtf8(QUrl::toPercentEncoding(request.path, "/"));
    const QByteArray expected =
        OAuthSignature::sign(OAuthSignature::baseString(request.method, url, all),
                             QLatin1String(microblogApps::kSignedSecret), tokenSecret);
    if (expected != value(all, QStringLiteral("oauth_signature")).toLatin1())
        return false;
    nonces_.insert(nonce);
    return true;
}

HttpResponse SignedMicroblog::requestToken(const HttpRequest &request)
{
    OAuthSignature::Parameters parameters;
    Row none;
    if (!verify(request, QString(), &parameters, &none))
        return refused("invalid signature");
    const QString secret = Passwords::newToken();
    const QString token =
        store_.issue(MicroblogStore::Signed, QStringLiteral("request"), secret, QString(),
                     value(parameters, QStringLiteral("oauth_callback")));
    return HttpResponse::text(
        200, queryText({{QStringLiteral("oauth_token"), token},
                        {QStringLiteral("oauth_token_secret"), secret},
                        {QStringLiteral("oauth_callback_confirmed"), QStringLiteral("true")}})
                 .toUtf8());
}

HttpResponse SignedMicroblog::authorize(const HttpRequest &request)
{
    const QString token = request.query.queryItemValue(QStringLiteral("oauth_token"));
    const Row row = store_.find(MicroblogStore::Signed, QStringLiteral("request"), token);
    if (!row.isValid()) {
        HttpResponse page = HttpResponse::html(QStringLiteral("授权失败"),
                                               QStringLiteral("<p>授权请求无效或已过期</p>"));
        page.status = 400;
        return page;
    }
    QString callback = row.text(QStringLiteral("callback"));
    if (callback.isEmpty() || callback == QStringLiteral("null"))
        callback = QStringLiteral("http://127.0.0.1/");
    const QString verifier = Passwords::newToken().left(8);
    store_.setVerifier(token, verifier);
    const QChar joiner = callback.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?');
    const QString approve = callback + joiner
                            + queryText({{QStringLiteral("oauth_token"), token},
                                         {QStringLiteral("oauth_verifier"), verifier}});
    const QString deny = callback + joiner + QStringLiteral("code=101");
    return HttpResponse::html(
        QStringLiteral("授权"),
        QStringLiteral("<p>是否允许Nuvora使用你的微博账号发表内容？</p>"
                       "<a id=\"approve\" href=\"%1\">授权</a> <a id=\"deny\" href=\"%2\">取消</a>")
            .arg(approve.toHtmlEscaped(), deny.toHtmlEscaped()));
}

HttpResponse SignedMicroblog::accessToken(const HttpRequest &request)
{
    OAuthSignature::Parameters parameters;
    Row requestToken;
    if (!verify(request, QStringLiteral("request"), &parameters, &requestToken))
        return refused("invalid signature");
    const QString verifier = requestToken.text(QStringLiteral("verifier"));
    if (verifier.isEmpty() || value(parameters, QStringLiteral("oauth_verifier")) != verifier)
        return refused("invalid verifier");
    store_.revoke(requestToken.text(QStringLiteral("token")));
    const QString secret = Passwords::newToken();
    const QString name = QStringLiteral("nuvora_demo");
    const QString token =
        store_.issue(MicroblogStore::Signed, QStringLiteral("access"), secret, name);
    return HttpResponse::text(200, queryText({{QStringLiteral("oauth_token"), token},
                                              {QStringLiteral("oauth_token_secret"), secret},
                                              {QStringLiteral("name"), name}})
                                       .toUtf8());
}

HttpResponse SignedMicroblog::post(const HttpRequest &request)
{
    OAuthSignature::Parameters parameters;
    Row token;
    if (!verify(request, QStringLiteral("access"), &parameters, &token))
        return postAnswer(3, QStringLiteral("签名校验失败"));
    const QString content = value(parameters, QStringLiteral("content")).trimmed();
    if (content.isEmpty())
        return postAnswer(1, QStringLiteral("内容不能为空"));
    if (content.size() > 140)
        return postAnswer(4, QStringLiteral("内容超过140字"));
    const qint64 id =
        store_.post(MicroblogStore::Signed, token.text(QStringLiteral("account")), content);
    json::Object data;
    data.set("id", numericText(id));
    data.set("time", number(Dates::now()));
    return postAnswer(0, QStringLiteral("ok"), std::move(data));
}

} // namespace nuvora::devserver
