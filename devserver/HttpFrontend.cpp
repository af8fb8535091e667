#include "HttpFrontend.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMetaEnum>
#include <QTcpSocket>

namespace nuvora::devserver {

HttpFrontend::HttpFrontend(QObject *parent) : QAbstractHttpServer(parent)
{
}

void HttpFrontend::addPrefix(const QString &prefix, Handler handler)
{
    routes_.emplace_back(prefix, std::move(handler));
}

bool HttpFrontend::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    HttpRequest call;
    call.headers = request.headers();
    const qint64 declared = call.header("Content-Length").toLongLong();
    HttpResponse response;
    if (declared > kMaxBodyBytes || request.body().size() > kMaxBodyBytes) {
        response = HttpResponse::text(413, "request body too large");
    } else {
        call.method = QByteArray(QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(
                                     static_cast<int>(request.method())))
                          .toUpper();
        call.path = request.url().path(QUrl::FullyDecoded);
        call.query = request.query();
        call.body = request.body();
        call.fromLoopback = request.remoteAddress().isLoopback();
        response = dispatch(call);
    }
    auto responder = makeResponder(request, socket);
    responder.write(response.body, response.contentType,
                    static_cast<QHttpServerResponder::StatusCode>(response.status));
    return true;
}

void HttpFrontend::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    auto responder = makeResponder(request, socket);
    responder.write(QByteArray("not found"), "text/plain",
                    QHttpServerResponder::StatusCode::NotFound);
}

HttpResponse HttpFrontend::dispatch(const HttpRequest &request) const
{
    const Handler *best = nullptr;
    qsizetype bestLength = -1;
    for (const auto &[prefix, handler] : routes_) {
        if (request.path.startsWith(prefix) && prefix.size() > bestLength) {
            best = &handler;
            bestLength = prefix.size();
        }
    }
    if (!best)
        return HttpResponse::text(404, "not found");
    return (*best)(request);
}

} // namespace nuvora::devserver
