// End-to-end tests of the stand-in microblog services: the OAuth 1.0 flow of
// the second service with signatures checked (and tampered requests refused),
// and the code grant flow of the first.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "MicroblogApps.h"
#include "OAuthSignature.h"

#include <QRegularExpression>
#include <QUrlQuery>
#include <QtTest>

using nuvora::devserver::OAuthSignature;
namespace apps = nuvora::devserver::microblogApps;

namespace {

QString str(const nuvora::json::Value &value)
{
    return QString::fromStdString(value.toText());
}

QString approvalLink(const QByteArray &page)
{
    static const QRegularExpression link(QStringLiteral("id=\"approve\" href=\"([^\"]+)\""));
    QString href = link.match(QString::fromUtf8(page)).captured(1);
    return href.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

class TestDevServerMicroblog : public QObject {
    Q_OBJECT

private:
    DevServerProcess server_;
    int nonce_ = 123400;

    // The signed query or body of one request, as the client builds it.
    QByteArray signedParameters(const QByteArray &method, const QString &path,
                                OAuthSignature::Parameters parameters, const QString &token,
                                const QString &tokenSecret, const QString &consumerSecret)
    {
        parameters << qMakePair(QStringLiteral("oauth_nonce"), QString::number(++nonce_))
                   << qMakePair(QStringLiteral("oauth_timestamp"),
                                QString::number(QDateTime::currentSecsSinceEpoch()))
                   << qMakePair(QStringLiteral("oauth_version"), QStringLiteral("1.0"))
                   << qMakePair(QStringLiteral("oauth_signature_method"),
                                QStringLiteral("HMAC-SHA1"))
                   << qMakePair(QStringLiteral("oauth_consumer_key"),
                                QString::fromLatin1(apps::kSignedKey));
        if (!token.isEmpty())
            parameters << qMakePair(QStringLiteral("oauth_token"), token);
        const QString url =
            QStringLiteral("http://127.0.0.1:%1%2").arg(server_.httpPort()).arg(path);
        const QByteArray signature = OAuthSignature::sign(
            OAuthSignature::baseString(method, url, parameters), consumerSecret, tokenSecret);
        QStringList pairs;
        for (const auto &[name, value] : parameters)
            pairs << name + QLatin1Char('=') + OAuthSignature::encode(value);
        return (pairs.join(QLatin1Char('&')) + QStringLiteral("&oauth_signature=")
                + OAuthSignature::encode(QString::fromLatin1(signature)))
            .toUtf8();
    }

    struct Tokens {
        QString token;
        QString secret;
        QString name;
    };

    Tokens parseTokens(const QByteArray &body)
    {
        const QUrlQuery query(QString::fromUtf8(body));
        return {query.queryItemValue(QStringLiteral("oauth_token"), QUrl::FullyDecoded),
                query.queryItemValue(QStringLiteral("oauth_token_secret"), QUrl::FullyDecoded),
                query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded)};
    }

    Tokens signedAccess(ApiTestClient &http)
    {
        const QString secret = QString::fromLatin1(apps::kSignedSecret);
        const ApiReply request = http.get(
            QStringLiteral("/cgi-bin/request_token?")
            + QString::fromUtf8(signedParameters(
                "GET", QStringLiteral("/cgi-bin/request_token"),
                {{QStringLiteral("oauth_callback"), QStringLiteral("http://nuvora.cn/callback")}},
                {}, {}, secret)));
        if (request.httpStatus != 200)
            return {};
        const Tokens requestToken = parseTokens(request.body);
        const ApiReply page =
            http.get(QStringLiteral("/cgi-bin/authorize?oauth_token=") + requestToken.token);
        const QUrlQuery approved(QUrl(approvalLink(page.body)).query());
        const QString verifier = approved.queryItemValue(QStringLiteral("oauth_verifier"));
        const ApiReply access = http.get(
            QStringLiteral("/cgi-bin/access_token?")
            + QString::fromUtf8(signedParameters("GET", QStringLiteral("/cgi-bin/access_token"),
                                                 {{QStringLiteral("oauth_verifier"), verifier}},
                                                 requestToken.token, requestToken.secret, secret)));
        return access.httpStatus == 200 ? parseTokens(access.body) : Tokens{};
    }

private slots:
    void initTestCase() { QVERIFY2(server_.start(false), qPrintable(server_.errorString())); }

    void knownSignatureVector()
    {
        // The worked example that accompanies OAuth 1.0.
        const OAuthSignature::Parameters parameters = {
            {QStringLiteral("file"), QStringLiteral("vacation.jpg")},
            {QStringLiteral("size"), QStringLiteral("original")},
            {QStringLiteral("oauth_consumer_key"), QStringLiteral("dpf43f3p2l4k3l03")},
            {QStringLiteral("oauth_token"), QStringLiteral("nnch734d00sl2jdk")},
            {QStringLiteral("oauth_signature_method"), QStringLiteral("HMAC-SHA1")},
            {QStringLiteral("oauth_timestamp"), QStringLiteral("1191242096")},
            {QStringLiteral("oauth_nonce"), QStringLiteral("kllo9940pd9333jh")},
            {QStringLiteral("oauth_version"), QStringLiteral("1.0")}};
        const QByteArray base = OAuthSignature::baseString(
            "GET", QStringLiteral("http://photos.example.net/photos"), parameters);
        QCOMPARE(OAuthSignature::sign(base, QStringLiteral("kd94hf93k423kf44"),
                                      QStringLiteral("pfkkdhi9sl3r4s00")),
                 QByteArray("tR3+Ty81lMeYAr/Fid0kMTYa/WM="));
        // Equal names are ordered by value.
        const QByteArray twice =
            OAuthSignature::baseString("POST", QStringLiteral("http://h/p"),
                                       {{QStringLiteral("a"), QStringLiteral("2")},
                                        {QStringLiteral("a"), QStringLiteral("1")}});
        QVERIFY(twice.endsWith("a%3D1%26a%3D2"));
    }

    void signedPostIsAcceptedAndTamperedOneRefused()
    {
        ApiTestClient http(server_.webHost());
        const Tokens access = signedAccess(http);
        QVERIFY(!access.token.isEmpty());
        QVERIFY(!access.name.isEmpty());
        const QString secret = QString::fromLatin1(apps::kSignedSecret);

        const QByteArray body =
            signedParameters("POST", QStringLiteral("/api/t/add"),
                             {{QStringLiteral("content"), QStringLiteral("夜店分享：Bar Rouge")},
                              {QStringLiteral("clientip"), QStringLiteral("127.0.0.1")}},
                             access.token, access.secret, secret);
        const ApiReply accepted =
            http.post(QStringLiteral("/api/t/add"), body, "application/x-www-form-urlencoded");
        QVERIFY(accepted.body.contains("ok"));
        QCOMPARE(accepted["ret"].toInteger(), 0);

        // The same request again reuses its nonce.
        QVERIFY(!http.post(QStringLiteral("/api/t/add"), body, "application/x-www-form-urlencoded")
                     .body.contains("ok"));

        QByteArray tampered =
            signedParameters("POST", QStringLiteral("/api/t/add"),
                             {{QStringLiteral("content"), QStringLiteral("original")}},
                             access.token, access.secret, secret);
        tampered.replace("original", "changed!");
        const ApiReply refused =
            http.post(QStringLiteral("/api/t/add"), tampered, "application/x-www-form-urlencoded");
        QVERIFY(!refused.body.contains("ok"));
        QVERIFY(refused["ret"].toInteger() != 0);

        const QByteArray wrongKey =
            signedParameters("POST", QStringLiteral("/api/t/add"),
                             {{QStringLiteral("content"), QStringLiteral("x")}}, access.token,
                             access.secret, QStringLiteral("not-the-secret"));
        QVERIFY(
            !http.post(QStringLiteral("/api/t/add"), wrongKey, "application/x-www-form-urlencoded")
                 .body.contains("ok"));

        const ApiReply posts = http.get(QStringLiteral("/dev/microblog"));
        const auto &list = posts["posts"].asArray();
        QCOMPARE(list.size(), size_t(1));
        QCOMPARE(str(list.front()["text"]), QStringLiteral("夜店分享：Bar Rouge"));
        QCOMPARE(list.front()["service"].toInteger(), 1);
    }

    void accessTokenNeedsTheVerifier()
    {
        ApiTestClient http(server_.webHost());
        const QString secret = QString::fromLatin1(apps::kSignedSecret);
        const ApiReply request =
            http.get(QStringLiteral("/cgi-bin/request_token?")
                     + QString::fromUtf8(signedParameters(
                         "GET", QStringLiteral("/cgi-bin/request_token"), {}, {}, {}, secret)));
        const Tokens requestToken = parseTokens(request.body);
        QVERIFY(!requestToken.token.isEmpty());
        const ApiReply guessed =
            http.get(QStringLiteral("/cgi-bin/access_token?")
                     + QString::fromUtf8(signedParameters(
                         "GET", QStringLiteral("/cgi-bin/access_token"),
                         {{QStringLiteral("oauth_verifier"), QStringLiteral("guess")}},
                         requestToken.token, requestToken.secret, secret)));
        QCOMPARE(guessed.httpStatus, 401);
        QVERIFY(http.get(QStringLiteral("/cgi-bin/authorize?oauth_token=unknown")).httpStatus
                == 400);
    }

    void codeGrantFlowPosts()
    {
        ApiTestClient http(server_.webHost());
        const ApiReply page = http.get(QStringLiteral("/oauth2/"
                                                      "authorize?client_id=%1&response_type=code&"
                                                      "redirect_uri=http%3A%2F%2F&display=mobile")
                                           .arg(QString::fromLatin1(apps::kCodeGrantKey)));
        QCOMPARE(page.httpStatus, 200);
        const QString link = approvalLink(page.body);
        const QString code = link.mid(link.indexOf(QStringLiteral("code=")) + 5);
        QVERIFY(!code.isEmpty());
        QVERIFY(page.body.contains("code=21330"));

        const ApiTestClient::Params grant = {
            {QStringLiteral("client_id"), QString::fromLatin1(apps::kCodeGrantKey)},
            {QStringLiteral("client_secret"), QString::fromLatin1(apps::kCodeGrantSecret)},
            {QStringLiteral("grant_type"), QStringLiteral("authorization_code")},
            {QStringLiteral("redirect_uri"), QStringLiteral("http://")},
            {QStringLiteral("code"), code}};
        const ApiReply token =
            http.post(QStringLiteral("/oauth2/access_token"), ApiTestClient::formBody(grant),
                      "application/x-www-form-urlencoded");
        QVERIFY(!str(token["access_token"]).isEmpty());
        QVERIFY(!str(token["uid"]).isEmpty());
        QVERIFY(token["expires_in"].toInteger() > 0);
        // A code is good for one token only.
        QCOMPARE(http.post(QStringLiteral("/oauth2/access_token"), ApiTestClient::formBody(grant),
                           "application/x-www-form-urlencoded")
                     .httpStatus,
                 400);

        const ApiReply posted = http.post(
            QStringLiteral("/2/statuses/update.json"),
            ApiTestClient::formBody({{QStringLiteral("status"), QStringLiteral("活动分享")},
                                     {QStringLiteral("access_token"), str(token["access_token"])}}),
            "application/x-www-form-urlencoded");
        QVERIFY(posted["id"].toInteger() > 0);
        QVERIFY(!posted.json->find("error_code"));
        const ApiReply refused = http.post(
            QStringLiteral("/2/statuses/update.json"),
            ApiTestClient::formBody({{QStringLiteral("status"), QStringLiteral("x")},
                                     {QStringLiteral("access_token"), QStringLiteral("bad")}}),
            "application/x-www-form-urlencoded");
        QVERIFY(refused["error_code"].toInteger() != 0);
    }
};

QTEST_GUILESS_MAIN(TestDevServerMicroblog)
#include "tst_devserver_microblog.moc"
