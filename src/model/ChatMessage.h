#pragma once
// One chat message, as received in a "recvmessage" batch, written on this device,
// or read back from the message store.

#include "api/json/JsonValue.h"

#include <QDateTime>
#include <QObject>
#include <QString>

struct ChatMessage {
    Q_GADGET
    Q_PROPERTY(qint64 localmsgid MEMBER localmsgid)
    Q_PROPERTY(QString msgid MEMBER msgid)
    Q_PROPERTY(int senderuid MEMBER senderuid)
    Q_PROPERTY(QString nickname MEMBER nickname)
    Q_PROPERTY(QString avatar MEMBER avatar)
    Q_PROPERTY(int receiveruid MEMBER receiveruid)
    Q_PROPERTY(int read MEMBER read)
    Q_PROPERTY(QString message MEMBER message)
    Q_PROPERTY(QString time MEMBER time)
public:
    // An empty message: msgid "0", read, no time.
    ChatMessage() = default;
    // A message written on this device now (`init`).
    explicit ChatMessage(const QDateTime &now);
    // One element of a "recvmessage" batch, received by `receiverUid`. The avatar
    // address is made on `avatarHost`.
    ChatMessage(const nuvora::json::Value &dictionary, int receiverUid, const QString &avatarHost);

    qint64 localmsgid = 0;               // the store's row id; 0 until stored
    QString msgid = QStringLiteral("0"); // the server's id; "0" when written here
    int senderuid = 0;
    QString nickname;
    QString avatar;
    int receiveruid = 0;
    int read = 1;
    QString message;
    QString time; // local "MM/dd HH:mm"

    // A stored message is identified by its row; an unstored one has no key.
    QString recordKey() const { return localmsgid ? QString::number(localmsgid) : QString(); }

    // The local "MM/dd HH:mm" of a moment.
    static QString timeText(const QDateTime &moment);
    // The local "MM/dd HH:mm" of a server "time": seconds since 1970, or
    // milliseconds when greater than 1e12.
    static QString timeTextFromServerTime(double serverTime);
};
