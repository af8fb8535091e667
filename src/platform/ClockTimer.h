#pragma once
// A single-shot timer on the context's clock: it runs in real time, and while a test
// holds the clock it fires only when the test advances the clock past its deadline.

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <optional>

class Clock;

class ClockTimer : public QObject {
    Q_OBJECT
public:
    explicit ClockTimer(Clock &clock, QObject *parent = nullptr);
    ~ClockTimer() override;

    // (Re)starts the timer; it fires once, `milliseconds` from now.
    void start(int milliseconds);
    void stop();
    bool isActive() const { return deadline_.has_value(); }

signals:
    void timeout();

private:
    friend class Clock;
    void fire();

    Clock &clock_;
    QTimer timer_;
    std::optional<QDateTime> deadline_;
};
