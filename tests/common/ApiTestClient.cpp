#include "ApiTestClient.h"

#include "api/json/JsonReader.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>
#include <QUuid>

int ApiReply::status() const
{
    if (!json || !json->isObject() || !json->find("status"))
        return -1;
    return static_cast<int>((*json)["status"].toInteger());
}

QString ApiReply::message() const
{
    return json ? QString::fromStdString((*json)["message"].toText()) : QString();
}

const nuvora::json::Value &ApiReply::operator[](const char *key) const
{
    static const nuvora::json::Value null;
    return json ? (*json)[key] : null;
}

ApiTestClient::ApiTestClient(const QString &webHost) : webHost_(webHost)
{
}

void ApiTestClient::setPosition(double lat, double lng)
{
    lat_ = QString::asprintf("%f", lat);
    lng_ = QString::asprintf("%f", lng);
}

void ApiTestClient::setRegion(int sheng, int shi)
{
    sheng_ = QString::number(sheng);
    shi_ = QString::number(shi);
}

QByteArray ApiTestClient::formBody(const Params &params)
{
    QByteArray body;
    for (const auto &[key, value] : params) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

ApiReply ApiTestClient::call(const QString &script, const Params &params)
{
    return send(QStringLiteral("/iphone/2.0/") + script, formBody(params),
                "application/x-www-form-urlencoded", true);
}

ApiReply ApiTestClient::upload(const QString &script, const Params &params,
                               const QString &fileField, const QByteArray &bytes)
{
    const QByteArray boundary =
        QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper().toLatin1();
    QByteArray body;
    for (const auto &[key, value] : params) {
        body += "--" + boundary + "\r\nContent-Disposition: form-data; name=\"" + key.toUtf8()
                + "\"\r\n\r\n" + value.toUtf8() + "\r\n";
    }
    if (!fileField.isEmpty()) {
        body += "--" + boundary + "\r\nContent-Disposition: form-data; name=\"" + fileField.toUtf8()
                + "\"; filename=\"1354000000.jpg\"\r\nContent-Type: image/jpeg\r\n\r\n" + bytes
                + "\r\n";
    }
    body += "--" + boundary + "--";
    return send(QStringLiteral("/iphone/2.0/") + script, body,
                "multipart/form-data; boundary=" + boundary, true);
}

ApiReply ApiTestClient::get(const QString &path)
{
    return send(path, {}, {}, false);
}

ApiReply ApiTestClient::post(const QString &path, const QByteArray &body,
                             const QByteArray &contentType)
{
    return send(path, body, contentType, true);
}

bool ApiTestClient::signIn(const QString &email, const QString &password)
{
    const ApiReply reply =
        call(QStringLiteral("account_login.php"),
             {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}});
    if (reply.status() != 1)
        return false;
    token_ = QString::fromStdString(reply["logintoken"].toText());
    return !token_.isEmpty();
}

ApiReply ApiTestClient::send(const QString &path, const QByteArray &body,
                             const QByteArray &contentType, bool isPost)
{
    QNetworkRequest request(QUrl(webHost_ + path));
    request.setRawHeader("Cookie", QStringLiteral("token=%1; sheng=%2; shi=%3; lat=%4; lng=%5")
                                       .arg(token_, sheng_, shi_, lat_, lng_)
                                       .toUtf8());
    if (!contentType.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    QNetworkReply *reply = isPost ? network_->post(request, body) : network_->get(request);
    QEventLoop loop;
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    ApiReply result;
    result.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = reply->readAll();
    nuvora::json::JsonReader reader;
    result.json =
        reader.objectWithData(result.body.constData(), static_cast<size_t>(result.body.size()));
    reply->deleteLater();
    return result;
}
