#pragma once
// One HTTP exchange as the stand-in's handlers see it: the request read in
// full, and the response they answer with.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrlQuery>

namespace nuvora::devserver {

struct HttpRequest {
    QByteArray method;
    QString path; // percent-decoded
    QUrlQuery query;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    bool fromLoopback = false;

    // Case-insensitive header lookup; empty when absent.
    QByteArray header(const QByteArray &name) const;
};

struct HttpResponse {
    int status = 200;
    QByteArray contentType = "application/json; charset=utf-8";
    QByteArray body;

    static HttpResponse json(const QByteArray &body);
    static HttpResponse html(const QString &title, const QString &bodyHtml);
    static HttpResponse text(int status, const QByteArray &body);
};

} // namespace nuvora::devserver
