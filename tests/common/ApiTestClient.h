#pragma once
// A blocking HTTP client for end-to-end tests against the stand-in server:
// form posts and uploads to API scripts with the session cookie, plain GETs,
// and the decoded JSON of each reply.

#include "api/json/JsonValue.h"

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QString>
#include <memory>
#include <optional>

struct ApiReply {
    int httpStatus = 0;
    QByteArray body;
    std::optional<nuvora::json::Value> json;

    // The envelope's "status", or -1 without a decodable reply.
    int status() const;
    QString message() const;
    const nuvora::json::Value &operator[](const char *key) const;
};

class ApiTestClient {
public:
    using Params = QList<QPair<QString, QString>>;

    explicit ApiTestClient(const QString &webHost);

    void setToken(const QString &token) { token_ = token; }
    QString token() const { return token_; }
    void setPosition(double lat, double lng);
    void setRegion(int sheng, int shi);

    ApiReply call(const QString &script, const Params &params = {});
    ApiReply upload(const QString &script, const Params &params, const QString &fileField,
                    const QByteArray &bytes);
    ApiReply get(const QString &path);
    ApiReply post(const QString &path, const QByteArray &body, const QByteArray &contentType);
    // Signs in and keeps the session token; false when the server refused.
    bool signIn(const QString &email, const QString &password);

    static QByteArray formBody(const Params &params);

private:
    ApiReply send(const QString &path, const QByteArray &body, const QByteArray &contentType,
                  bool isPost);

    std::unique_ptr<QNetworkAccessManager> network_ = std::make_unique<QNetworkAccessManager>();
    QString webHost_;
    QString token_;
    QString lat_ = QStringLiteral("0");
    QString lng_ = QStringLiteral("0");
    QString sheng_ = QStringLiteral("0");
    QString shi_ = QStringLiteral("0");
};
