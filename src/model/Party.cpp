#include "Party.h"

#include "JsonFields.h"

#include <QDate>
#include <QTime>

using JsonFields::integer;
using JsonFields::text;

namespace {

// "yyyy-MM-dd HH:mm:ss" read as a date and a time apart, as wall-clock values: through a
// zone, a time in a daylight-saving gap would move or fail. Invalid when it is not one.
std::pair<QDate, QTime> wallTime(const QString &serverTime)
{
    const QStringList parts = serverTime.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return {};
    const QDate date = QDate::fromString(parts.at(0), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(parts.at(1), QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid())
        return {};
    return {date, time};
}

// "MM月dd日 HH:mm", or empty.
QString shortWallTime(const QString &serverTime)
{
    const auto [date, time] = wallTime(serverTime);
    if (!date.isValid() || !time.isValid())
        return {};
    return date.toString(QStringLiteral("MM月dd日 ")) + time.toString(QStringLiteral("HH:mm"));
}

QDateTime localWallTime(const QString &serverTime)
{
    const auto [date, time] = wallTime(serverTime);
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time);
}

} // namespace

Party Party::withId(int pid)
{
    Party party;
    party.pid = pid;
    party.content = kNoContent;
    return party;
}

Party::Party(const nuvora::json::Value &d)
    : pid(integer(d, "pid")), uid(integer(d, "uid")), title(text(d, "title")),
      content(text(d, "content")), cid(text(d, "cid")), price(text(d, "price")),
      img(JsonFields::imageVariant(d, "img", "!200")), img_big(text(d, "img")),
      displayTime(timeLine(text(d, "ptimestart"), text(d, "ptimeend"))),
      endTime(localWallTime(text(d, "ptimeend"))), addr(text(d, "addr")),
      count(integer(d, "count")), tel(text(d, "tel")), favor(integer(d, "favor")),
      isfavor(integer(d, "isfavor")), isjoin(integer(d, "isjoin")), joininfo(integer(d, "joininfo"))
{
    if (content.isEmpty())
        content = kNoContent;
}

QString Party::timeLine(const QString &start, const QString &end)
{
    const QString from = shortWallTime(start);
    const QString to = shortWallTime(end);
    if (from.isEmpty() || to.isEmpty())
        return {};
    return QStringLiteral("时间：%1~%2").arg(from, to);
}
