#include "ChatSessionHandler.h"

#include "Database.h"
#include "SocketCenter.h"
#include "model/JsonFields.h"
#include "platform/JsonVariant.h"
#include "platform/LogCategories.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Session.h"

namespace json = nuvora::json;

namespace {
enum LoginStatus { LoginAccepted = 0, LoginRejected = 1 };
}

ChatSessionHandler::ChatSessionHandler(Session &session, Database &database,
                                       SocketCenter &socketCenter,
                                       NotificationCenter &notifications, QString avatarHost,
                                       QObject *parent)
    : QObject(parent), session_(session), database_(database), socketCenter_(socketCenter),
      notifications_(notifications), avatarHost_(std::move(avatarHost))
{
}

void ChatSessionHandler::receivedSocketNotification(const QVariant &payload)
{
    const json::Value command = JsonVariant::fromVariant(payload);
    const QString name = JsonFields::text(command, "command");
    if (name == QLatin1String("login"))
        login(command);
    else if (name == QLatin1String("recvmessage"))
        receiveMessages(command);
    else if (name == QLatin1String("offline"))
        offline(command);
    else if (name == QLatin1String("redirect"))
        redirect(command);
    else if (name == QLatin1String("alert"))
        alert(QString(""), JsonFields::text(command, "info"));
}

void ChatSessionHandler::login(const json::Value &command)
{
    switch (JsonFields::integer(command, "status")) {
    case LoginAccepted:
        // Every reconnect answers again; openDatabase closes the store first.
        if (session_.isSignedIn())
            database_.openDatabase(QStringLiteral("user%1.sqlite3").arg(session_.userId()));
        break;
    case LoginRejected:
        alert(QStringLiteral("请重新登录"), QString());
        logout();
        break;
    default:
        break;
    }
}

void ChatSessionHandler::receiveMessages(const json::Value &command)
{
    if (shell_.vibrate)
        shell_.vibrate();
    const int receiver = int(session_.userId());
    QList<ChatMessage> messages;
    json::Array msgids;
    if (const json::Value *batch = command.find("messages"); batch && batch->isArray()) {
        for (const json::Value &element : batch->asArray()) {
            if (!element.isObject())
                continue;
            messages.append(ChatMessage(element, receiver, avatarHost_));
            msgids.push_back(element["msgid"]);
        }
    }
    // Acknowledged only once committed: the server re-sends what it was not told
    // about, and the store skips what it already holds.
    if (messages.isEmpty() || database_.storeReceivedBatch(messages)) {
        json::Object ack;
        ack.set("command", "recvmessageresult");
        ack.set("msgids", std::move(msgids));
        socketCenter_.sendCommand(ack);
    } else {
        qCWarning(lcStore, "a batch of %lld messages was not stored; not acknowledged",
                  qint64(messages.size()));
    }
    notifications_.post(NotificationNames::message);
}

void ChatSessionHandler::offline(const json::Value &command)
{
    logout();
    alert(QString(""), JsonFields::text(command, "info"));
}

void ChatSessionHandler::redirect(const json::Value &command)
{
    // Only the session moves; the stored configuration still names the first server.
    session_.socketServer = JsonFields::text(command, "host");
    session_.socketPort = JsonFields::integer(command, "port");
    socketCenter_.disconnectSocket();
    socketCenter_.initializeSocket();
}

void ChatSessionHandler::alert(const QString &title, const QString &message)
{
    if (shell_.showCommonAlert)
        shell_.showCommonAlert(title, message);
}

void ChatSessionHandler::logout()
{
    if (shell_.logout)
        shell_.logout();
}
