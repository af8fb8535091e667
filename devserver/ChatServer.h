#pragma once
// The chat server: signs connections in by session token, routes messages
// between users (each new one sent once, to a receiver who is online), keeps
// every message until its receiver acknowledges it and re-sends what is
// unacknowledged at each login. A second login of a user sends "offline" to
// the earlier connection.

#include "JsonText.h"

#include <QHash>
#include <QObject>
#include <QTcpServer>

namespace nuvora::devserver {

class ChatConnection;
class Database;
class Row;

class ChatServer : public QObject {
    Q_OBJECT
public:
    explicit ChatServer(Database &db, QObject *parent = nullptr);

    bool listen(quint16 port);
    quint16 port() const { return server_.serverPort(); }

    // Sends a command to the user's connection; false when the user is offline.
    bool sendCommand(qint64 uid, const json::Object &command);
    // Stores a message as if `from` had sent it and sends it when the receiver
    // is online; the new message id, or 0 when it was not accepted.
    qint64 postMessage(qint64 from, qint64 to, const QString &message);
    // Sends the user's unacknowledged messages again; false when the user is offline.
    bool resendPending(qint64 uid);
    // The number of messages to the user that wait for an acknowledgement.
    qint64 pendingCount(qint64 uid);
    bool isOnline(qint64 uid) const { return online_.contains(uid); }
    // Every command sent to the user since the start or the last reset.
    json::Array delivered(qint64 uid) const { return delivered_.value(uid); }
    void reset();

private:
    void accept();
    void handle(ChatConnection *connection, const json::Object &command);
    void login(ChatConnection *connection, const json::Object &command);
    void sendMessage(ChatConnection *connection, const json::Object &command);
    void acknowledge(ChatConnection *connection, const json::Object &command);
    void deliver(ChatConnection *connection, const QList<Row> &rows);
    void forget(ChatConnection *connection);
    void sendTo(ChatConnection *connection, const json::Object &command);

    Database &db_;
    QTcpServer server_;
    QHash<qint64, ChatConnection *> online_;
    QHash<qint64, json::Array> delivered_;
};

} // namespace nuvora::devserver
