#include "ClockTimer.h"

#include "Clock.h"

ClockTimer::ClockTimer(Clock &clock, QObject *parent) : QObject(parent), clock_(&clock)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ClockTimer::timeout);
}

ClockTimer::~ClockTimer()
{
    stop();
}

void ClockTimer::start(int milliseconds)
{
    stop();
    if (clock_ && clock_->isFixed()) {
        held_ = true;
        deadline_ = clock_->now().addMSecs(milliseconds);
        clock_->addTimer(this);
    } else {
        timer_.start(milliseconds);
    }
}

void ClockTimer::stop()
{
    timer_.stop();
    if (held_ && clock_)
        clock_->removeTimer(this);
    held_ = false;
}

bool ClockTimer::isActive() const
{
    return held_ || timer_.isActive();
}
