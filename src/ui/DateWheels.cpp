#include "DateWheels.h"

#include <algorithm>

DateWheels::DateWheels(QDate latest, QObject *parent)
    : QObject(parent), latest_(latest), date_(latest)
{
}

void DateWheels::setDate(int year, int month, int day)
{
    year = std::clamp(year, kMinimumYear, latest_.year());
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, QDate(year, month, 1).daysInMonth());
    const QDate date = std::clamp(QDate(year, month, day), QDate(kMinimumYear, 1, 1), latest_);
    if (date == date_)
        return;
    date_ = date;
    emit dateChanged();
}

void DateWheels::showText(const QString &text)
{
    const QDate date = QDate::fromString(text, kDateFormat);
    if (date.isValid())
        setDate(date.year(), date.month(), date.day());
}
