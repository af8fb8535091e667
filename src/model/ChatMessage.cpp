#include "ChatMessage.h"

#include "JsonFields.h"

#include <array>
#include <cmath>
#include <ctime>

ChatMessage::ChatMessage(const QDateTime &now) : time(timeText(now))
{
}

ChatMessage::ChatMessage(const nuvora::json::Value &dictionary, int receiverUid,
                         const QString &avatarHost)
    : msgid(JsonFields::text(dictionary, "msgid")),
      senderuid(JsonFields::integer(dictionary, "senduid")),
      nickname(JsonFields::text(dictionary, "nickname")),
      avatar(avatarHost + QLatin1String("/560/") + JsonFields::text(dictionary, "avatar")
             + QLatin1String(".jpg!160")),
      receiveruid(receiverUid), read(0), message(JsonFields::text(dictionary, "message")),
      time(timeTextFromServerTime(JsonFields::real(dictionary, "time")))
{
}

namespace {

// The device's offset from UTC at a moment. The C library checks the zone file
// on every local-time conversion, which dominated storing a large batch. Since
// the 1970s every zone's offset is a whole number of quarter hours, so its changes
// fall on quarter-hour boundaries and one lookup serves a quarter hour (older
// local mean times may be off by minutes within one). A lookup older than a
// minute is not reused, so a change of zone shows soon.
long utcOffsetAt(time_t seconds)
{
    constexpr time_t kQuarterHour = 15 * 60;
    constexpr time_t kReuseSeconds = 60;
    static time_t cachedQuarter = -1;
    static time_t cachedAt = 0;
    static long cachedOffset = 0;
    const time_t quarter = seconds / kQuarterHour;
    const time_t now = time(nullptr);
    if (quarter != cachedQuarter || now - cachedAt > kReuseSeconds || now < cachedAt) {
        tm local{};
        if (!localtime_r(&seconds, &local))
            return 0;
        cachedQuarter = quarter;
        cachedAt = now;
        cachedOffset = local.tm_gmtoff;
    }
    return cachedOffset;
}

} // namespace

QString ChatMessage::timeText(const QDateTime &moment)
{
    const time_t seconds = time_t(moment.toSecsSinceEpoch());
    const time_t shifted = seconds + utcOffsetAt(seconds);
    tm local{};
    if (!gmtime_r(&shifted, &local))
        return moment.toLocalTime().toString(QStringLiteral("MM/dd HH:mm"));
    // Formatted by hand: a batch formats one time per message.
    const auto twoDigits = [](int value) {
        return std::array<char16_t, 2>{char16_t(u'0' + value / 10), char16_t(u'0' + value % 10)};
    };
    const auto month = twoDigits(local.tm_mon + 1), day = twoDigits(local.tm_mday),
               hour = twoDigits(local.tm_hour), minute = twoDigits(local.tm_min);
    const char16_t text[] = {month[0], month[1], u'/', day[0],    day[1],   u' ',
                             hour[0],  hour[1],  u':', minute[0], minute[1]};
    return QString(reinterpret_cast<const QChar *>(text), qsizetype(std::size(text)));
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
    // In UTC: a local-time QDateTime would look the zone up at once, for nothing.
    return timeText(
        QDateTime::fromMSecsSinceEpoch(qint64(std::llround(serverTime * 1000)), Qt::UTC));
}
