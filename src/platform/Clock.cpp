#include "Clock.h"

QDateTime Clock::now() const
{
    return fixed_ ? *fixed_ : QDateTime::currentDateTime();
}

qint64 Clock::secondsSince1970() const
{
    return now().toMSecsSinceEpoch() / 1000;
}

void Clock::advance(qint64 seconds)
{
    fixed_ = now().addSecs(seconds);
}
