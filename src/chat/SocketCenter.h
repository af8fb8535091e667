#pragma once
// The chat connection manager: owns the one connection to the chat server, logs in
// when it opens, frames and sends commands, and posts every received command, in
// order, as "AsyncSocketNotification" with the command object as payload. It
// reports the messages whose command the connection took with it unwritten.

#include "AsyncSocket.h"
#include "AsyncSocketDelegate.h"
#include "ChatLineFramer.h"
#include "api/json/JsonValue.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <deque>

class NotificationCenter;
class Session;
class SettingsStore;

class SocketCenter : public QObject, public AsyncSocketDelegate {
    Q_OBJECT
public:
    SocketCenter(Session &session, const SettingsStore &settings, NotificationCenter &notifications,
                 QObject *parent = nullptr);
    ~SocketCenter() override;

    // The instance of the current application context, or none.
    static SocketCenter *sharedSocketCenter();

    // The current connection, or none; it may still be connecting.
    AsyncSocket *socket() const { return socket_; }
    bool isConnected() const;

    // Makes sure a connection exists: connects to the session's chat server unless
    // a connection object is already there.
    void initializeSocket();
    // Disconnects and drops the connection.
    void disconnectSocket();
    // Sends one command given as JSON text, connecting first when there is no open
    // connection; the write waits in the connection's queue until the stream opens.
    void sendMessage(const QString &jsonText);
    // `messageId` is the local id of the message the command carries, if any: it is
    // reported by messagesNotWritten when the connection goes before writing it.
    void sendCommand(const nuvora::json::Value &command, qint64 messageId = 0);

    void onSocketDidConnectToHost(AsyncSocket *socket, const QString &host, quint16 port) override;
    void onSocketDidReadDataWithTag(AsyncSocket *socket, const QByteArray &data, long tag) override;
    void onSocketDidWriteDataWithTag(AsyncSocket *socket, long tag) override;
    void onSocketDidDisconnect(AsyncSocket *socket) override;

signals:
    // Every command handed to the connection, framed, as it goes into the write queue.
    void lineQueued(const QByteArray &line);
    // Local ids of messages whose commands were lost with the connection.
    void messagesNotWritten(const QList<qint64> &messageIds);

private:
    void sendLine(QByteArray line, qint64 messageId);
    void queueRead();
    void dropSocket();

    Session &session_;
    const SettingsStore &settings_;
    NotificationCenter &notifications_;
    QPointer<AsyncSocket> socket_;
    ChatLineFramer framer_;
    // One entry per write queued on the current connection, in order: the message
    // id it carries, or 0.
    std::deque<qint64> pendingWrites_;
};
