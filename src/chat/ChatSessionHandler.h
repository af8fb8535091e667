#pragma once
// The application-wide handler of received chat commands: opens the user's store
// on a successful login, stores and acknowledges message batches, and obeys the
// server's "offline", "redirect" and "alert". It runs before any screen's handler.

#include "api/json/JsonValue.h"
#include "model/ChatMessage.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class AppContext;
class Database;
class SocketCenter;

class ChatSessionHandler : public QObject {
    Q_OBJECT
public:
    ChatSessionHandler(AppContext &context, Database &database, SocketCenter &socketCenter,
                       QObject *parent = nullptr);

    // One received command; anything that is not a known command is ignored.
    void receivedSocketNotification(const QVariant &command);

signals:
    // The signed-in user's store opened on the server's login answer.
    void storeOpened();
    // The messages a received batch newly stored, once committed and acknowledged.
    void messagesStored(const QList<ChatMessage> &messages);

private:
    void login(const nuvora::json::Value &command);
    void receiveMessages(const nuvora::json::Value &command);
    void offline(const nuvora::json::Value &command);
    void redirect(const nuvora::json::Value &command);
    void alert(const QString &title, const QString &message);
    void logout();

    AppContext &context_;
    Database &database_;
    SocketCenter &socketCenter_;
    QString avatarHost_;
};
