#include "ChatSessionHandler.h"

#include "Database.h"
#include "SocketCenter.h"
#include "model/JsonFields.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/JsonVariant.h"
#include "platform/LogCategories.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SessionFlow.h"
#include "platform/Vibration.h"

namespace json = nuvora::json;

namespace {
enum LoginStatus { LoginAccepted = 0, LoginRejected = 1 };
}

ChatSessionHandler::ChatSessionHandler(AppContext &context, Database &database,
                                       SocketCenter &socketCenter, QObject *parent)
    : QObject(parent), context_(context), database_(database), socketCenter_(socketCenter),
      // Avatars are served by the web host.
      avatarHost_(context.options().webHost.toString())
{
    while (avatarHost_.endsWith(QLatin1Char('/')))
        avatarHost_.chop(1);
}

void ChatSessionHandler::receivedSocketNotification(const QVariant &payload)
{
    const json::Value *wrapped = JsonVariant::wrapped(payload);
    const json::Value converted = wrapped ? json::Value() : JsonVariant::fromVariant(payload);
    const json::Value &command = wrapped ? *wrapped : converted;
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
        if (context_.session().isSignedIn()) {
            database_.openDatabase(
                QStringLiteral("user%1.sqlite3").arg(context_.session().userId()));
            if (database_.isOpen())
                emit storeOpened();
        }
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
    // Left over from a session that has ended: nobody to store it for.
    if (!context_.session().isSignedIn())
        return;
    context_.vibration().vibrate();
    const int receiver = int(context_.session().userId());
    QList<ChatMessage> messages;
    json::Array msgids;
    if (const json::Value *batch = command.find("messages"); batch && batch->isArray()) {
        messages.reserve(qsizetype(batch->asArray().size()));
        for (const json::Value &element : batch->asArray()) {
            if (!element.isObject())
                continue;
            messages.append(ChatMessage(element, receiver, avatarHost_));
            msgids.push_back(element["msgid"]);
        }
    }
    // Acknowledged only once committed: the server re-sends what it was not told
    // about, and the store skips what it already holds.
    const std::optional<QList<ChatMessage>> stored =
        messages.isEmpty() ? QList<ChatMessage>() : database_.storeReceivedBatch(messages);
    if (stored) {
        json::Object ack;
        ack.set("command", "recvmessageresult");
        ack.set("msgids", std::move(msgids));
        socketCenter_.sendCommand(ack);
        if (!stored->isEmpty())
            emit messagesStored(*stored);
    } else {
        qCWarning(lcStore, "a batch of %lld messages was not stored; not acknowledged",
                  qint64(messages.size()));
    }
    context_.notifications().post(NotificationNames::message);
}

void ChatSessionHandler::offline(const json::Value &command)
{
    logout();
    alert(QString(""), JsonFields::text(command, "info"));
}

void ChatSessionHandler::redirect(const json::Value &command)
{
    const QString host = JsonFields::text(command, "host");
    const int port = JsonFields::integer(command, "port");
    if (host.isEmpty() || port < 1 || port > 65535) {
        qCInfo(lcChat, "ignoring a redirect to an unusable address");
        return;
    }
    // Only the session moves; the stored configuration still names the first server.
    context_.session().socketServer = host;
    context_.session().socketPort = port;
    socketCenter_.disconnectSocket();
    socketCenter_.initializeSocket();
}

void ChatSessionHandler::alert(const QString &title, const QString &message)
{
    context_.alerts().showCommonAlert(title, message);
}

void ChatSessionHandler::logout()
{
    context_.sessionFlow().logout();
}
