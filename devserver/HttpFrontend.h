#pragma once
// The HTTP listener: reads each request in full, refuses oversized bodies,
// and hands the request to the handler registered for the longest matching
// path prefix; anything unmatched is a 404.

#include "HttpMessage.h"

#include <QAbstractHttpServer>
#include <functional>
#include <vector>

namespace nuvora::devserver {

class HttpFrontend : public QAbstractHttpServer {
    Q_OBJECT
public:
    using Handler = std::function<HttpResponse(const HttpRequest &)>;

    static constexpr qint64 kMaxBodyBytes = 16 * 1024 * 1024;

    explicit HttpFrontend(QObject *parent = nullptr);

    void addPrefix(const QString &prefix, Handler handler);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    HttpResponse dispatch(const HttpRequest &request) const;

    std::vector<std::pair<QString, Handler>> routes_;
};

} // namespace nuvora::devserver
