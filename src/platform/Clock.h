#pragma once
// The current time. Tests set it; otherwise it is the system clock. Timers made on
// a clock (ClockTimer) follow it: while a test holds the time they fire only as the
// test advances it.

#include <QDateTime>

#include <optional>
#include <vector>

class ClockTimer;

class Clock {
public:
    Clock() = default;
    ~Clock();
    Clock(const Clock &) = delete;
    Clock &operator=(const Clock &) = delete;

    QDateTime now() const;
    // Whole seconds since 1970-01-01 UTC, truncated.
    qint64 secondsSince1970() const;

    bool isFixed() const { return fixed_.has_value(); }
    void setNow(const QDateTime &moment) { fixed_ = moment; }
    // Moves a held time on, firing the timers that fall due, earliest first.
    void advance(qint64 seconds) { advanceMilliseconds(seconds * 1000); }
    void advanceMilliseconds(qint64 milliseconds);
    void useSystemTime() { fixed_.reset(); }

private:
    friend class ClockTimer;
    void addTimer(ClockTimer *timer);
    void removeTimer(ClockTimer *timer);

    std::optional<QDateTime> fixed_;
    // Timers started while the time is held.
    std::vector<ClockTimer *> timers_;
};
