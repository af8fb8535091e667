#include "Clock.h"

#include "ClockTimer.h"

#include <algorithm>

Clock::~Clock()
{
    for (ClockTimer *timer : timers_)
        timer->clock_ = nullptr;
}

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
    // A timer's handler may start or stop timers; look again after each one.
    while (true) {
        auto due = std::min_element(
            timers_.begin(), timers_.end(),
            [](const ClockTimer *a, const ClockTimer *b) { return a->deadline_ < b->deadline_; });
        if (due == timers_.end() || (*due)->deadline_ > target)
            break;
        ClockTimer *timer = *due;
        fixed_ = std::max(now(), timer->deadline_);
        timer->stop();
        emit timer->timeout();
    }
    fixed_ = target;
}

void Clock::addTimer(ClockTimer *timer)
{
    timers_.push_back(timer);
}

void Clock::removeTimer(ClockTimer *timer)
{
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}
