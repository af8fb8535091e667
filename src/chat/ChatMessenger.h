#pragma once
// What screens use of the chat layer besides the store's typed helpers: the events
// they reload or append on, and the one way to send a message.

#include "model/ChatMessage.h"

#include <QList>
#include <QObject>

class Clock;
class ChatSessionHandler;
class Database;
class Session;
class SocketCenter;
struct User;

class ChatMessenger : public QObject {
    Q_OBJECT
public:
    // The longest text sent, in UTF-16 units.
    static constexpr int kMaxMessageLength = 500;

    enum class SendResult { Sent, TooLong, NotConnected, NotStored };

    struct Outcome {
        SendResult result = SendResult::NotStored;
        ChatMessage message; // as stored, with its local id, when sent
    };

    ChatMessenger(Session &session, const Clock &clock, Database &database,
                  SocketCenter &socketCenter, ChatSessionHandler &handler,
                  QObject *parent = nullptr);

    // Sends `text` to `partner`: the conversation's summary and the message are
    // stored first, then the command carrying the message's local id is queued.
    // Nothing is stored or sent unless the answer is Sent.
    Outcome send(const User &partner, const QString &text);

signals:
    // The signed-in user's store opened: everything read from it may have changed.
    void storeOpened();
    // Received messages just stored for the first time, in the order they came.
    void messagesStored(const QList<ChatMessage> &messages);
    // Sent messages whose command the connection took with it unwritten; they stay
    // in the store as they are.
    void messagesNotWritten(const QList<qint64> &localIds);

private:
    Session &session_;
    const Clock &clock_;
    Database &database_;
    SocketCenter &socketCenter_;
};
