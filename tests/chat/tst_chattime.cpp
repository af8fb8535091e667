// The time text of chat messages against Qt's own local-time conversion, in a
// zone with daylight saving time, across both of its changes in a year.

#include "model/ChatMessage.h"

#include <QTest>
#include <QTimeZone>

#include <ctime>

class ChatTimeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void matchesLocalTimeAcrossDaylightSaving()
    {
        // Every 7 minutes 13 seconds through 2024 (clocks change on 31 March and
        // 27 October), and every minute around the spring change itself.
        const QDateTime start(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
        int compared = 0;
        for (qint64 s = 0; s < 366LL * 24 * 3600; s += 433, ++compared) {
            const QDateTime moment = start.addSecs(s);
            QCOMPARE(ChatMessage::timeText(moment),
                     moment.toLocalTime().toString(QStringLiteral("MM/dd HH:mm")));
        }
        const QDateTime change(QDate(2024, 3, 31), QTime(0, 30), Qt::UTC);
        for (int m = 0; m < 90; ++m, ++compared) {
            const QDateTime moment = change.addSecs(m * 60);
            QCOMPARE(ChatMessage::timeText(moment),
                     moment.toLocalTime().toString(QStringLiteral("MM/dd HH:mm")));
        }
        QCOMPARE(ChatMessage::timeText(QDateTime(QDate(2024, 7, 1), QTime(10, 0), Qt::UTC)),
                 QStringLiteral("07/01 12:00"));
        QVERIFY(compared > 70000);
    }

    void serverTimesInSecondsAndMilliseconds()
    {
        // 2024-01-01 00:00:00 UTC is 01:00 in Berlin.
        QCOMPARE(ChatMessage::timeTextFromServerTime(1704067200), QStringLiteral("01/01 01:00"));
        QCOMPARE(ChatMessage::timeTextFromServerTime(1704067200000.0),
                 QStringLiteral("01/01 01:00"));
    }
};

QTEST_APPLESS_MAIN(ChatTimeTest)
#include "tst_chattime.moc"
