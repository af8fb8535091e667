// Timers on the context's clock: while the clock is held they fire only as it is
// advanced, each at its own deadline and in deadline order, and what a firing timer
// starts is timed from that moment.

#include "platform/Clock.h"
#include "platform/ClockTimer.h"

#include <QTest>

class tst_ClockTimer : public QObject {
    Q_OBJECT
private slots:
    void heldClockFiresTimersInOrder();
    void restartAndStop();
    void realTimeWithoutAHeldClock();
};

void tst_ClockTimer::heldClockFiresTimersInOrder()
{
    Clock clock;
    const QDateTime start(QDate(2026, 12, 8), QTime(22, 0));
    clock.setNow(start);
    ClockTimer first(clock);
    ClockTimer second(clock);
    QStringList fired;
    QList<qint64> at;
    connect(&second, &ClockTimer::timeout, this, [&] {
        fired << "second";
        at << start.msecsTo(clock.now());
    });
    connect(&first, &ClockTimer::timeout, this, [&] {
        fired << "first";
        at << start.msecsTo(clock.now());
        // Timed from the moment it fired: 300 + 500.
        second.start(500);
    });
    second.start(5000);
    first.start(300);
    clock.advanceMilliseconds(299);
    QVERIFY(fired.isEmpty());
    clock.advanceMilliseconds(1000);
    QCOMPARE(fired, QStringList({"first", "second"}));
    QCOMPARE(at, QList<qint64>({300, 800}));
    QCOMPARE(start.msecsTo(clock.now()), 1299);
    QVERIFY(!first.isActive() && !second.isActive());
}

void tst_ClockTimer::restartAndStop()
{
    Clock clock;
    clock.setNow(QDateTime(QDate(2026, 12, 8), QTime(22, 0)));
    ClockTimer timer(clock);
    int fired = 0;
    connect(&timer, &ClockTimer::timeout, this, [&] { ++fired; });
    timer.start(1000);
    clock.advanceMilliseconds(600);
    timer.start(1000);
    clock.advanceMilliseconds(600);
    QCOMPARE(fired, 0);
    clock.advanceMilliseconds(400);
    QCOMPARE(fired, 1);
    timer.start(100);
    timer.stop();
    clock.advance(10);
    QCOMPARE(fired, 1);
    // A timer gone before its deadline is forgotten by the clock.
    {
        ClockTimer gone(clock);
        gone.start(10);
    }
    clock.advance(1);
}

void tst_ClockTimer::realTimeWithoutAHeldClock()
{
    Clock clock;
    ClockTimer timer(clock);
    bool fired = false;
    connect(&timer, &ClockTimer::timeout, this, [&] { fired = true; });
    timer.start(10);
    QVERIFY(timer.isActive());
    QTRY_VERIFY(fired);
    QVERIFY(!timer.isActive());
}

QTEST_GUILESS_MAIN(tst_ClockTimer)
#include "tst_clocktimer.moc"
