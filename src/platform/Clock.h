#pragma once
// The current time. Tests set it; otherwise it is the system clock. Timers made on the
// clock (ClockTimer) follow it: while a test holds the time, they fire only as the
// test advances it.

#include <QDateTime>

#include <optional>
#include <vector>

class ClockTimer;

class Clock {
public:
    Clock() = default;
    Clock(const Clock &) = delete;
    Clock &operator=(const Clock &) = delete;

    QDateTime now() const;
    // Whole seconds since 1970-01-01 UTC, truncated.
    qint64 secondsSince1970() const;

    void setNow(const QDateTime &moment) { fixed_ = moment; }
    void advance(qint64 seconds) { advanceMilliseconds(seconds * 1000); }
    // Moves a held time on, firing the timers that come due on the way, in order.
    void advanceMilliseconds(qint64 milliseconds);
    void useSystemTime() { fixed_.reset(); }
    bool isHeld() const { return fixed_.has_value(); }

private:
    friend class ClockTimer;
    void attach(ClockTimer *timer) { timers_.push_back(timer); }
    void detach(ClockTimer *timer);
    // The timer due first at or before `moment`; none when no timer is due by then.
    ClockTimer *nextDue(const QDateTime &moment) const;

    std::optional<QDateTime> fixed_;
    std::vector<ClockTimer *> timers_;
};
