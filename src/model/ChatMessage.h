#pragma once
// One chat message, as received in a "recvmessage" batch, written on this device,
// or read back from the message store.

#include "api/json/JsonValue.h"

#include <QDateTime>
#include <QString>

struct ChatMessage {
    // An empty message: msgid "0", read, no time.
    ChatMessage() = default;
    // A message written on this device now (`init`).
    explicit ChatMessage(const QDateTime &now);
    // One element of a "recvmessage" batch, received by `receiverUid`. The avatar
    // address is made on `avatarHost`.
    ChatMessage(const nuvora::json::Value &dictionary, int receiverUid, const QString &avatarHost);

    QString msgid = QStringLiteral("0"); // the server's id; "0" when written here
    int senderuid = 0;
    QString nickname;
    QString avatar;
    int receiveruid = 0;
    int read = 1;
    QString message;
    QString time; // local "MM/dd HH:mm"

    // The local "MM/dd HH:mm" of a moment.
    static QString timeText(const QDateTime &moment);
    // The local "MM/dd HH:mm" of a server "time": seconds since 1970, or
    // milliseconds when greater than 1e12.
    static QString timeTextFromServerTime(double serverTime);
};
