#pragma once
// One message of a conversation as its cell draws it: received or sent, the text
// and time as shown, the partner's avatar on received messages, and the frames of
// label, bubble and avatar fitted to the text, with the row's height.

#include "model/ChatMessage.h"

#include <QObject>
#include <QRectF>
#include <QString>

struct User;

struct ChatRow {
    Q_GADGET
    Q_PROPERTY(qint64 localmsgid READ localmsgid)
    Q_PROPERTY(bool received MEMBER received)
    Q_PROPERTY(QString text MEMBER text)
    Q_PROPERTY(QString time READ time)
    Q_PROPERTY(QString avatar MEMBER avatar)
    Q_PROPERTY(QRectF labelFrame MEMBER labelFrame)
    Q_PROPERTY(QRectF bubbleFrame MEMBER bubbleFrame)
    Q_PROPERTY(QRectF avatarFrame MEMBER avatarFrame)
    Q_PROPERTY(double rowHeight MEMBER rowHeight)
public:
    // Where a received message's label starts and how wide it may grow.
    struct ReceivedLabel {
        double x;
        double maxWidth;
    };
    static constexpr ReceivedLabel kChatScreenLabel{78, 202};
    static constexpr ReceivedLabel kChatLogLabel{88, 192};
    static constexpr double kSentLabelMaxWidth = 250;
    static constexpr double kSentLabelRight = 290;
    static constexpr double kSentBubbleRight = 310;
    static constexpr double kLabelY = 35;
    static constexpr int kFontPixelSize = 14;

    ChatRow() = default;
    // A message of the conversation with `partner`: received when the partner sent it.
    ChatRow(const ChatMessage &message, const User &partner, ReceivedLabel receivedLabel);

    ChatMessage message;
    bool received = false;
    QString text; // as shown: keyboard emoji as standard emoji
    QString avatar;
    QRectF labelFrame;
    QRectF bubbleFrame;
    QRectF avatarFrame;
    double rowHeight = 0;

    qint64 localmsgid() const { return message.localmsgid; }
    QString time() const { return message.time; }
    QString recordKey() const { return message.recordKey(); }
};
