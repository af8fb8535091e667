// The shared helpers: relative time labels at their boundaries, the e-mail
// check, date re-formatting, image scaling and the client identification.

#include "TestContext.h"
#include "api/CommonFunctions.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QImage>
#include <QRegularExpression>
#include <QTest>

class tst_CommonFunctions : public QObject {
    Q_OBJECT
private slots:
    void relativeLabels_data();
    void relativeLabels();
    void twoDigitYearsAreNearToday();
    void unparsableTimeCountsAsNow();
    void validateEmail_data();
    void validateEmail();
    void convertDate();
    void scaleImageIgnoresAspectRatio();
    void clientInfoIsStored();
};

void tst_CommonFunctions::relativeLabels_data()
{
    QTest::addColumn<double>("secondsAgo");
    QTest::addColumn<QString>("label");
    QTest::newRow("just now") << 0.0 << "0分钟前";
    QTest::newRow("3599 s") << 3599.0 << "59分钟前";
    QTest::newRow("3600 s") << 3600.0 << "1小时前";
    QTest::newRow("86399 s") << 86399.0 << "23小时前";
    QTest::newRow("86400 s") << 86400.0 << "1天前";
    QTest::newRow("27.5 days") << 27.5 * 86400 << "27天前";
    QTest::newRow("28 days") << 28.0 * 86400 << "MM月dd日";
    QTest::newRow("a year") << 365.0 * 86400 << "MM月dd日";
    QTest::newRow("future") << -600.0 << "-10分钟前";
}

void tst_CommonFunctions::relativeLabels()
{
    QFETCH(double, secondsAgo);
    QFETCH(QString, label);
    const QDateTime now(QDate(2026, 12, 7), QTime(21, 30, 0));
    const QDateTime then = now.addMSecs(qint64(-secondsAgo * 1000));
    const QString text = then.toString("yyyy-MM-dd HH:mm:ss");
    const QString expected = label == "MM月dd日" ? then.toString("MM月dd日") : label;
    QCOMPARE(CommonFunctions::intervalSinceNow(text, "yyyy-MM-dd HH:mm:ss", now), expected);
}

void tst_CommonFunctions::twoDigitYearsAreNearToday()
{
    const QDateTime now(QDate(2026, 12, 7), QTime(21, 30, 0));
    QCOMPARE(CommonFunctions::intervalSinceNow("26-12-07 21:00:00", "yy-MM-dd HH:mm:ss", now),
             QStringLiteral("30分钟前"));
    QCOMPARE(
        CommonFunctions::parseDate("60-01-01 00:00:00", "yy-MM-dd HH:mm:ss", now).date().year(),
        1960);

    // The server's own texts carry four-digit years; the photo and mood pages still pass
    // the two-digit pattern.
    QCOMPARE(CommonFunctions::intervalSinceNow("2026-12-07 21:00:00", "yy-MM-dd HH:mm:ss", now),
             QStringLiteral("30分钟前"));
    QCOMPARE(CommonFunctions::intervalSinceNow("2026-12-05 09:30:00", "yy-MM-dd HH:mm:ss", now),
             QStringLiteral("2天前"));
    QCOMPARE(CommonFunctions::intervalSinceNow("2026-10-01 08:00:00", "yy-MM-dd HH:mm:ss", now),
             QStringLiteral("10月01日"));
}

void tst_CommonFunctions::unparsableTimeCountsAsNow()
{
    QCOMPARE(CommonFunctions::intervalSinceNow("yesterday", "yyyy-MM-dd HH:mm:ss"),
             QStringLiteral("0分钟前"));
    QCOMPARE(CommonFunctions::intervalSinceNow(QString(), "yyyy-MM-dd HH:mm:ss"),
             QStringLiteral("0分钟前"));
}

void tst_CommonFunctions::validateEmail_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "someone@example.com" << true;
    QTest::newRow("upper case") << "Some.One+tag@Mail.Example.CN" << true;
    QTest::newRow("surrounded") << "mail: a_b@c-d.org, thanks" << true;
    QTest::newRow("no at") << "someone.example.com" << false;
    QTest::newRow("no dot after at") << "someone@localhost" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("only at") << "@." << false;
}

void tst_CommonFunctions::validateEmail()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(CommonFunctions::validateEmail(text), valid);
}

void tst_CommonFunctions::convertDate()
{
    QCOMPARE(CommonFunctions::convertDate("2026-03-05 20:15:00", "yyyy-MM-dd HH:mm:ss", "MM月dd日"),
             QStringLiteral("03月05日"));
    QCOMPARE(CommonFunctions::convertDate("2026-03-05", "yyyy-MM-dd", "yyyy年M月d日"),
             QStringLiteral("2026年3月5日"));
    QCOMPARE(CommonFunctions::convertDate("not a date", "yyyy-MM-dd", "MM"), QString());
}

void tst_CommonFunctions::scaleImageIgnoresAspectRatio()
{
    QImage image(40, 10, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const QImage scaled = CommonFunctions::scaleImage(image, QSize(16, 16));
    QCOMPARE(scaled.size(), QSize(16, 16));
    QCOMPARE(QColor(scaled.pixel(8, 8)), QColor(Qt::red));
}

void tst_CommonFunctions::clientInfoIsStored()
{
    TestContext test;
    const QString info = CommonFunctions::getClientInfo(test->settings());
    QVERIFY2(QRegularExpression("^Nuvora/\\d+\\.\\d+\\.\\d+ device/\\S+ iOS/\\S+$")
                 .match(info)
                 .hasMatch(),
             qPrintable(info));
    QCOMPARE(test.restart().settings().string(SettingsKeys::clientInfo), info);
}

QTEST_GUILESS_MAIN(tst_CommonFunctions)
#include "tst_commonfunctions.moc"
