#include "ScriptedChatPeer.h"

#include <QCoreApplication>
#include <QTest>

ScriptedChatPeer::ScriptedChatPeer(QObject *parent) : QObject(parent)
{
    connect(&server_, &QTcpServer::newConnection, this, &ScriptedChatPeer::accept);
    server_.listen(QHostAddress::LocalHost, 0);
}

bool ScriptedChatPeer::hasClient() const
{
    return client_ && client_->state() == QAbstractSocket::ConnectedState;
}

bool ScriptedChatPeer::waitForConnection(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return connectionCount_ >= count && client_; }, timeoutMs);
}

bool ScriptedChatPeer::waitForLines(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return lines_.size() >= count; }, timeoutMs);
}

bool ScriptedChatPeer::waitForClientClosed(int timeoutMs)
{
    return QTest::qWaitFor([&] { return !hasClient(); }, timeoutMs);
}

void ScriptedChatPeer::send(const QByteArray &bytes)
{
    if (!client_)
        return;
    client_->write(bytes);
    client_->flush();
}

void ScriptedChatPeer::sendInPieces(const QList<QByteArray> &pieces)
{
    for (const QByteArray &piece : pieces) {
        send(piece);
        // Flushed over the loopback connection, the piece waits in the client's receive
        // buffer: one turn of the event loop lets the client read it before the next.
        QCoreApplication::processEvents();
    }
}

void ScriptedChatPeer::closeClient()
{
    if (client_)
        client_->disconnectFromHost();
}

void ScriptedChatPeer::accept()
{
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        ++connectionCount_;
        client_ = socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray bytes = socket->readAll();
            received_.append(bytes);
            pending_.append(bytes);
            qsizetype end;
            while ((end = pending_.indexOf("\r\n")) >= 0) {
                lines_.append(pending_.left(end));
                pending_.remove(0, end + 2);
            }
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}
