#include "LoopbackHttpServer.h"

#include "Fixtures.h"

#include <QCoreApplication>
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

QStringList LoopbackHttpServer::unreportedRequests()
{
    // A connection is accepted in one pass and its bytes read in the next.
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
    const QStringList unreported = unexpected_.mid(reported_);
    reported_ = unexpected_.size();
    return unreported;
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
            unexpected_ << path;
        if (!allowsUnscripted_ && QTest::currentTestFunction()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected request to ")
                                    + unexpected_.mid(reported_).join(QStringLiteral(", "))),
                         __FILE__, __LINE__);
            reported_ = unexpected_.size();
        }
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
    out += "\r\n";
    auto send = [this, reply](QTcpSocket *to, const QByteArray &head) {
        if (reply.chunkBytes > 0) {
            to->write(head);
            trickle(to, reply);
        } else {
            to->write(head + reply.body);
        }
    };
    if (reply.delayMs <= 0) {
        ++repliesDue_;
        send(socket, out);
        return;
    }
    QTimer::singleShot(reply.delayMs, this,
                       [this, socket = QPointer<QTcpSocket>(socket), out, send] {
                           ++repliesDue_;
                           if (socket && socket->state() == QAbstractSocket::ConnectedState)
                               send(socket, out);
                       });
}

void LoopbackHttpServer::trickle(QTcpSocket *socket, const ScriptedReply &reply)
{
    auto *timer = new QTimer(socket);
    timer->setInterval(reply.chunkIntervalMs);
    connect(timer, &QTimer::timeout, socket, [socket, timer, reply, sent = 0]() mutable {
        const qsizetype offset = sent * reply.chunkBytes;
        if (offset >= reply.body.size() || sent == reply.stallAfterChunks) {
            timer->stop();
            return;
        }
        socket->write(reply.body.mid(offset, reply.chunkBytes));
        ++sent;
    });
    timer->start();
}
