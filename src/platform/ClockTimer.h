#pragma once
// A one-shot timer on the context's clock: a real timer while the clock follows the
// system, fired by Clock::advance while a test holds the time.

#include <QDateTime>
#include <QObject>
#include <QTimer>

class Clock;

class ClockTimer : public QObject {
    Q_OBJECT
public:
    explicit ClockTimer(Clock &clock, QObject *parent = nullptr);
    ~ClockTimer() override;

    // Restarts the timer when it runs.
    void start(int milliseconds);
    void stop();
    bool isActive() const;

signals:
    void timeout();

private:
    friend class Clock;

    Clock *clock_;
    QTimer timer_;
    bool held_ = false; // waiting on a held clock
    QDateTime deadline_;
};
