#include "ClockTimer.h"

#include "Clock.h"

ClockTimer::ClockTimer(Clock &clock, QObject *parent) : QObject(parent), clock_(clock)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ClockTimer::fire);
    clock_.attach(this);
}

ClockTimer::~ClockTimer()
{
    clock_.detach(this);
}

void ClockTimer::start(int milliseconds)
{
    deadline_ = clock_.now().addMSecs(milliseconds);
    if (clock_.isHeld())
        timer_.stop();
    else
        timer_.start(milliseconds);
}

void ClockTimer::stop()
{
    deadline_.reset();
    timer_.stop();
}

void ClockTimer::fire()
{
    timer_.stop();
    deadline_.reset();
    emit timeout();
}
