#include "ChatServer.h"

#include "ChatConnection.h"
#include "Database.h"
#include "Dates.h"
#include "DevServerLog.h"
#include "MessageBatcher.h"

#include <QTcpSocket>

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

constexpr qsizetype kMaxMessage = 2000;

json::Object command(const char *name)
{
    json::Object o;
    o.set("command", json::Value(name));
    return o;
}

// Unacknowledged messages to one user (the first argument), with their senders.
const char kPending[] =
    "SELECT m.*, u.nickname AS nickname, u.avatar AS avatar FROM chat_messages m "
    "JOIN users u ON u.uid = m.fromuid WHERE m.touid = ? AND m.acked = 0";

json::Object messageObject(const Row &row)
{
    json::Object message;
    message.set("msgid", numericText(row.integer(s("msgid"))));
    message.set("senduid", number(row.integer(s("fromuid"))));
    message.set("nickname", text(row.text(s("nickname"))));
    // The client builds "/560/%@.jpg!160" from this, so it is the image key.
    message.set("avatar", text(row.text(s("avatar"))));
    message.set("message", text(row.text(s("message"))));
    message.set("time", number(row.integer(s("time"))));
    return message;
}

} // namespace

ChatServer::ChatServer(Database &db, QObject *parent) : QObject(parent), db_(db)
{
    connect(&server_, &QTcpServer::newConnection, this, &ChatServer::accept);
}

bool ChatServer::listen(quint16 port)
{
    return server_.listen(QHostAddress::LocalHost, port);
}

void ChatServer::accept()
{
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        new ChatConnection(
            socket,
            [this](ChatConnection *connection, const json::Object &cmd) {
                handle(connection, cmd);
            },
            [this](ChatConnection *connection) { forget(connection); }, this);
    }
}

void ChatServer::forget(ChatConnection *connection)
{
    const qint64 uid = connection->uid();
    if (uid && online_.value(uid) == connection)
        online_.remove(uid);
}

void ChatServer::sendTo(ChatConnection *connection, const json::Object &cmd)
{
    if (connection->uid())
        delivered_[connection->uid()].push_back(json::Value(cmd));
    connection->send(cmd);
}

void ChatServer::handle(ChatConnection *connection, const json::Object &cmd)
{
    const json::Value *name = cmd.find("command");
    const std::string commandName = name ? name->toText() : std::string();
    if (commandName == "logintoken")
        login(connection, cmd);
    else if (connection->uid() == 0)
        return; // nothing else is accepted before a login
    else if (commandName == "sendmessage")
        sendMessage(connection, cmd);
    else if (commandName == "recvmessageresult")
        acknowledge(connection, cmd);
}

void ChatServer::login(ChatConnection *connection, const json::Object &cmd)
{
    const json::Value *token = cmd.find("logintoken");
    const qint64 uid =
        token && token->isString() ? db_.integer(
            s("SELECT uid FROM sessions WHERE token = ? AND ended = 0"), {qtext(*token)})
                                   : 0;
    json::Object answer = command("login");
    if (!uid) {
        answer.set("status", number(1));
        connection->send(answer);
        return;
    }
    ChatConnection *earlier = online_.value(uid);
    if (earlier && earlier != connection) {
        json::Object offline = command("offline");
        offline.set("info", text(s("您的账号已在其他地方登录，如非本人操作请及时修改密码")));
        sendTo(earlier, offline);
        earlier->setUid(0);
        earlier->close();
    }
    connection->setUid(uid);
    online_.insert(uid, connection);
    answer.set("status", number(0));
    sendTo(connection, answer);
    resendPending(uid);
}

bool ChatServer::resendPending(qint64 uid)
{
    ChatConnection *connection = online_.value(uid);
    if (!connection)
        return false;
    deliver(connection, db_.rows(s(kPending) + s(" ORDER BY m.msgid"), {uid}));
    return true;
}

qint64 ChatServer::pendingCount(qint64 uid)
{
    return db_.integer(s("SELECT COUNT(*) FROM chat_messages WHERE touid = ? AND acked = 0"),
                       {uid});
}

void ChatServer::deliver(ChatConnection *connection, const QList<Row> &rows)
{
    json::Array messages;
    messages.reserve(size_t(rows.size()));
    for (const Row &row : rows)
        messages.push_back(json::Value(messageObject(row)));
    for (const json::Object &batch : MessageBatcher::batches(messages))
        sendTo(connection, batch);
}

qint64 ChatServer::postMessage(qint64 from, qint64 to, const QString &message)
{
    // Blank messages are the sender's business and go out as they came.
    if (message.isEmpty() || message.size() > kMaxMessage || from == to)
        return 0;
    if (!db_.integer(s("SELECT COUNT(*) FROM users WHERE uid = ?"), {to}))
        return 0;
    // A blacklisted sender's messages are swallowed without telling the sender.
    if (db_.integer(s("SELECT COUNT(*) FROM blacklist WHERE uid = ? AND buid = ?"), {to, from}))
        return 0;
    const qint64 msgid = db_.insert(
        s("INSERT INTO chat_messages (fromuid, touid, message, time) VALUES (?, ?, ?, ?)"),
        {from, to, message, Dates::now()});
    // Only the new message goes out; earlier unacknowledged ones wait for the next login.
    if (ChatConnection *connection = msgid ? online_.value(to) : nullptr)
        deliver(connection, db_.rows(s(kPending) + s(" AND m.msgid = ?"), {to, msgid}));
    return msgid;
}

void ChatServer::sendMessage(ChatConnection *connection, const json::Object &cmd)
{
    const json::Value *to = cmd.find("touid");
    const json::Value *message = cmd.find("message");
    if (!to || !message || !message->isString())
        return;
    const qint64 receiver = to->toInteger();
    const bool strangersClosed =
        db_.integer(s("SELECT ischat FROM users WHERE uid = ?"), {receiver}) == 1
        && !db_.integer(s("SELECT COUNT(*) FROM follows WHERE uid = ? AND fuid = ?"),
                        {receiver, connection->uid()});
    if (strangersClosed) {
        json::Object alert = command("alert");
        alert.set("info", text(s("对方设置了不接收陌生人的消息")));
        sendTo(connection, alert);
        return;
    }
    postMessage(connection->uid(), receiver, qtext(*message));
}

void ChatServer::acknowledge(ChatConnection *connection, const json::Object &cmd)
{
    const json::Value *ids = cmd.find("msgids");
    if (!ids || !ids->isArray())
        return;
    for (const json::Value &id : ids->asArray()) {
        db_.exec(s("UPDATE chat_messages SET acked = 1 WHERE msgid = ? AND touid = ?"),
                 {static_cast<qint64>(id.toInteger()), connection->uid()});
    }
}

bool ChatServer::sendCommand(qint64 uid, const json::Object &cmd)
{
    ChatConnection *connection = online_.value(uid);
    if (!connection)
        return false;
    sendTo(connection, cmd);
    return true;
}

void ChatServer::reset()
{
    delivered_.clear();
    const auto connections = online_.values();
    online_.clear();
    for (ChatConnection *connection : connections) {
        connection->setUid(0);
        connection->close();
    }
}

} // namespace nuvora::devserver
