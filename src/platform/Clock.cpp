#include "Clock.h"

#include "ClockTimer.h"

#include <algorithm>

QDateTime Clock::now() const
{
    return fixed_ ? *fixed_ : QDateTime::currentDateTime();
}

qint64 Clock::secondsSince1970() const
{
    return now().toMSecsSinceEpoch() / 1000;
}

void Clock::advanceMilliseconds(qint64 milliseconds)
{
    const QDateTime target = now().addMSecs(milliseconds);
    // Each timer fires at its own moment, so that what it starts is timed from there.
    while (ClockTimer *timer = nextDue(target)) {
        fixed_ = *timer->deadline_;
        timer->fire();
    }
    fixed_ = target;
}

void Clock::detach(ClockTimer *timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

ClockTimer *Clock::nextDue(const QDateTime &moment) const
{
    ClockTimer *due = nullptr;
    for (ClockTimer *timer : timers_) {
        if (timer->deadline_ && *timer->deadline_ <= moment
            && (!due || *timer->deadline_ < *due->deadline_))
            due = timer;
    }
    return due;
}
