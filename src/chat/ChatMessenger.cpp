#include "ChatMessenger.h"

#include "ChatRequest.h"
#include "ChatSessionHandler.h"
#include "Database.h"
#include "SocketCenter.h"
#include "model/MessageBox.h"
#include "model/Session.h"
#include "platform/Clock.h"

ChatMessenger::ChatMessenger(Session &session, const Clock &clock, Database &database,
                             SocketCenter &socketCenter, ChatSessionHandler &handler,
                             QObject *parent)
    : QObject(parent), session_(session), clock_(clock), database_(database),
      socketCenter_(socketCenter)
{
    connect(&handler, &ChatSessionHandler::storeOpened, this, &ChatMessenger::storeOpened);
    connect(&handler, &ChatSessionHandler::messagesStored, this, &ChatMessenger::messagesStored);
    connect(&socketCenter, &SocketCenter::messagesNotWritten, this,
            &ChatMessenger::messagesNotWritten);
}

ChatMessenger::Outcome ChatMessenger::send(const User &partner, const QString &text)
{
    if (text.size() > kMaxMessageLength)
        return {SendResult::TooLong, {}};
    if (!socketCenter_.isConnected())
        return {SendResult::NotConnected, {}};

    const QDateTime now = clock_.now();
    ChatMessage message(now);
    message.senderuid = int(session_.userId());
    message.receiveruid = partner.userId;
    message.nickname = partner.nickname;
    message.avatar = partner.avatar;
    message.message = text;
    message.read = 1;

    MessageBox box;
    box.senderuid = partner.userId;
    box.nickname = partner.nickname;
    box.avatar = partner.avatar;
    box.message = text;
    box.time = message.time;
    box.count = 0;

    const std::optional<qint64> localId = database_.storeSentMessage(box, message);
    if (!localId)
        return {SendResult::NotStored, {}};
    message.localmsgid = *localId;

    ChatRequest request(*localId);
    request.touid = partner.userId;
    request.message = text;
    socketCenter_.sendCommand(request.dictionaryValue(), *localId);
    return {SendResult::Sent, message};
}
