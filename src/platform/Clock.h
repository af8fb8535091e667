#pragma once
// The current time. Tests set it; otherwise it is the system clock.

#include <QDateTime>

#include <optional>

class Clock {
public:
    QDateTime now() const;
    // Whole seconds since 1970-01-01 UTC, truncated.
    qint64 secondsSince1970() const;

    void setNow(const QDateTime &moment) { fixed_ = moment; }
    void advance(qint64 seconds);
    void useSystemTime() { fixed_.reset(); }

private:
    std::optional<QDateTime> fixed_;
};
