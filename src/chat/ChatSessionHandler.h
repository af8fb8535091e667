#pragma once
// The application-wide handler of received chat commands: opens the user's store
// on a successful login, stores and acknowledges message batches, and obeys the
// server's "offline", "redirect" and "alert". It runs before any screen's handler.

#include "api/json/JsonValue.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class Database;
class NotificationCenter;
class Session;
class SocketCenter;

class ChatSessionHandler : public QObject {
    Q_OBJECT
public:
    // What the handler asks of the application shell.
    struct Shell {
        std::function<void()> logout;
        std::function<void(const QString &title, const QString &message)> showCommonAlert;
        std::function<void()> vibrate;
    };

    // Avatar addresses of received messages are made on `avatarHost`.
    ChatSessionHandler(Session &session, Database &database, SocketCenter &socketCenter,
                       NotificationCenter &notifications, QString avatarHost,
                       QObject *parent = nullptr);

    void setShell(Shell shell) { shell_ = std::move(shell); }

    // One received command; anything that is not a known command is ignored.
    void receivedSocketNotification(const QVariant &command);

private:
    void login(const nuvora::json::Value &command);
    void receiveMessages(const nuvora::json::Value &command);
    void offline(const nuvora::json::Value &command);
    void redirect(const nuvora::json::Value &command);
    void alert(const QString &title, const QString &message);
    void logout();

    Session &session_;
    Database &database_;
    SocketCenter &socketCenter_;
    NotificationCenter &notifications_;
    QString avatarHost_;
    Shell shell_;
};
