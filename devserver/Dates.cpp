#include "Dates.h"

#include <QDateTime>

namespace nuvora::devserver {

namespace {

QDate parseBirthday(const QString &birthday)
{
    return QDate::fromString(birthday.trimmed(), QStringLiteral("yyyy-MM-dd"));
}

} // namespace

qint64 Dates::now()
{
    return QDateTime::currentSecsSinceEpoch();
}

QString Dates::format(qint64 secondsSinceEpoch)
{
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch)
        .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool Dates::isValidBirthday(const QString &birthday)
{
    const QDate date = parseBirthday(birthday);
    return date.isValid() && date <= QDate::currentDate() && date.year() >= 1900;
}

int Dates::age(const QString &birthday)
{
    const QDate date = parseBirthday(birthday);
    if (!date.isValid())
        return 0;
    const QDate today = QDate::currentDate();
    int years = today.year() - date.year();
    if (today.month() < date.month() || (today.month() == date.month() && today.day() < date.day()))
        --years;
    return qMax(0, years);
}

int Dates::constellation(const QString &birthday)
{
    const QDate date = parseBirthday(birthday);
    if (!date.isValid())
        return 0;
    // The first day of each sign from 水瓶座 (index 1) on; before Jan 20 or
    // from Dec 22 it is 魔羯座 (index 0).
    static const int starts[12][2] = {{1, 20}, {2, 19}, {3, 21}, {4, 20},  {5, 21},  {6, 22},
                                      {7, 23}, {8, 23}, {9, 23}, {10, 24}, {11, 23}, {12, 22}};
    const int key = date.month() * 100 + date.day();
    int index = 0;
    for (int i = 0; i < 12; ++i) {
        if (key >= starts[i][0] * 100 + starts[i][1])
            index = (i + 1) % 12;
    }
    return index;
}

} // namespace nuvora::devserver
