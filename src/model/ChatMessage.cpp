#include "ChatMessage.h"

#include "JsonFields.h"

#include <cmath>

ChatMessage::ChatMessage(const QDateTime &now) : time(timeText(now))
{
}

ChatMessage::ChatMessage(const nuvora::json::Value &dictionary, int receiverUid,
                         const QString &avatarHost)
    : msgid(JsonFields::text(dictionary, "msgid")),
      senderuid(JsonFields::integer(dictionary, "senduid")),
      nickname(JsonFields::text(dictionary, "nickname")),
      avatar(avatarHost
             + QStringLiteral("/560/%1.jpg!160").arg(JsonFields::text(dictionary, "avatar"))),
      receiveruid(receiverUid), read(0), message(JsonFields::text(dictionary, "message")),
      time(timeTextFromServerTime(JsonFields::real(dictionary, "time")))
{
}

QString ChatMessage::timeText(const QDateTime &moment)
{
    return moment.toLocalTime().toString(QStringLiteral("MM/dd HH:mm"));
}

QString ChatMessage::timeTextFromServerTime(double serverTime)
{
    if (serverTime > 1e12)
        serverTime *= 0.001;
    // Beyond about 300,000 years either way the moment means nothing; keep the
    // conversion to milliseconds defined.
    constexpr double kLimit = 1e13;
    if (!std::isfinite(serverTime) || std::fabs(serverTime) > kLimit)
        serverTime = 0;
    return timeText(QDateTime::fromMSecsSinceEpoch(qint64(std::llround(serverTime * 1000))));
}
