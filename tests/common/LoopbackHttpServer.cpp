#include "LoopbackHttpServer.h"

#include "Fixtures.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

QByteArray RecordedRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

bool RecordedRequest::hasHeader(const QByteArray &name) const
{
    for (const auto &header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString RecordedRequest::path() const
{
    const qsizetype query = target.indexOf('?');
    return QString::fromUtf8(query < 0 ? target : target.left(query));
}

ScriptedReply ScriptedReply::fixture(const QString &name)
{
    return json(Fixtures::bytes(name));
}

ScriptedReply ScriptedReply::json(const QByteArray &body, int status)
{
    ScriptedReply reply;
    reply.status = status;
    reply.headers = {{"Content-Type", "application/json; charset=utf-8"}};
    reply.body = body;
    return reply;
}

LoopbackHttpServer::LoopbackHttpServer(QObject *parent)
    : QObject(parent), server_(new QTcpServer(this))
{
    server_->listen(QHostAddress::LocalHost, 0);
    connect(server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server_->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                buffers_.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

LoopbackHttpServer::~LoopbackHttpServer() = default;

quint16 LoopbackHttpServer::port() const
{
    return server_->serverPort();
}

QString LoopbackHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(port());
}

void LoopbackHttpServer::setReply(const QString &path, const ScriptedReply &reply)
{
    replies_.insert(path, reply);
}

bool LoopbackHttpServer::waitForRequests(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return requests_.size() >= count; }, timeoutMs);
}

void LoopbackHttpServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = buffers_[socket];
    buffer.append(socket->readAll());
    // One request per pass; keep-alive connections may carry several.
    while (true) {
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        RecordedRequest request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        request.method = requestLine.value(0);
        request.target = requestLine.value(1);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
        }
        const qsizetype length = request.header("Content-Length").toLongLong();
        const qsizetype total = headerEnd + 4 + length;
        if (buffer.size() < total)
            return;
        request.raw = buffer.left(total);
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, total);
        requests_.append(request);
        emit requestReceived();
        answer(socket, request);
        if (!socket->isOpen())
            return;
    }
}

void LoopbackHttpServer::answer(QTcpSocket *socket, const RecordedRequest &request)
{
    const QString path = request.path();
    const auto found = replies_.constFind(path);
    if (found == replies_.constEnd()) {
        unscripted_ << path;
        if (!allowsUnscripted_)
            QTest::qFail(qPrintable(QStringLiteral("unexpected request to ") + path), __FILE__,
                         __LINE__);
    }
    ScriptedReply reply = found != replies_.constEnd() ? *found : ScriptedReply::json("{}", 404);
    if (reply.neverAnswer)
        return;
    if (reply.closeAbruptly) {
        ++repliesDue_;
        socket->abort();
        return;
    }
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\n";
    bool hasLength = false;
    for (const auto &[name, value] : reply.headers) {
        out += name + ": " + value + "\r\n";
        hasLength = hasLength || name.compare("Content-Length", Qt::CaseInsensitive) == 0;
    }
    if (!hasLength)
        out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    out += "\r\n" + reply.body;
    if (reply.delayMs <= 0) {
        ++repliesDue_;
        socket->write(out);
        return;
    }
    QTimer::singleShot(reply.delayMs, this, [this, socket = QPointer<QTcpSocket>(socket), out] {
        ++repliesDue_;
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            socket->write(out);
    });
}
