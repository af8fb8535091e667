// The platform services a test drives: push token and payload delivery over the
// local socket, position sessions and their distance filter, reachability
// changes, backup-excluded document directories and the clock.

#include "TestContext.h"
#include "platform/Clock.h"
#include "platform/FileUtility.h"
#include "platform/LocationService.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/PushService.h"
#include "platform/Reachability.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <thread>

#include <sys/xattr.h>

namespace {
bool setxattrSupported(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    return setxattr(native.constData(), "user.nuvora.probe", "1", 1, 0) == 0;
}
} // namespace

class tst_PlatformServices : public QObject {
    Q_OBJECT
private slots:
    void pushTokenIsMadeOncePerDataDirectory();
    void pushPayloadsTravelOverTheLocalSocket();
    void pushRefusesWhatIsNotAJsonObject();
    void locationSessionFiltersSmallMovements();
    void fixedPositionIsReportedOnEveryStart();
    void reachabilityPostsOnlyChanges();
    void documentDirectoriesAreCreatedAndExcludedFromBackup();
    void clockCanBeSetAndAdvanced();
};

void tst_PlatformServices::pushTokenIsMadeOncePerDataDirectory()
{
    TestContext test;
    QSignalSpy registered(&test->push(), &PushService::registered);
    test->push().registerForRemoteNotifications();
    QVERIFY(registered.wait());
    const QByteArray token = registered[0][0].toByteArray();
    QCOMPARE(token.size(), 32);
    QCOMPARE(test.restart().push().deviceToken(), token);

    TestContext other;
    QVERIFY(other->push().deviceToken() != token);
}

void tst_PlatformServices::pushPayloadsTravelOverTheLocalSocket()
{
    TestContext test;
    QVERIFY(test->push().listen());
    QSignalSpy received(&test->push(), &PushService::remoteNotificationReceived);
    QString error;
    // The sender blocks, as `nuvora --push` does, so it runs on a thread of its own.
    std::atomic<bool> sent = false;
    std::thread sender([&] {
        sent = PushService::sendPayload(test.dataDirectory(),
                                        R"({"type": 3, "pid": 15,
                                            "aps": {"alert": "新活动"}})",
                                        &error);
    });
    QTRY_COMPARE(received.size(), 1);
    QTRY_VERIFY(sent);
    sender.join();
    const QVariantMap payload = received[0][0].toMap();
    QCOMPARE(payload.value("type").toInt(), 3);
    QCOMPARE(payload.value("pid").toInt(), 15);
    QCOMPARE(payload.value("aps").toMap().value("alert").toString(), QStringLiteral("新活动"));

    TestContext nobody;
    QVERIFY(!PushService::sendPayload(nobody.dataDirectory(), "{}", &error));
    QVERIFY(!error.isEmpty());
}

void tst_PlatformServices::pushRefusesWhatIsNotAJsonObject()
{
    QVariantMap payload;
    QVERIFY(!PushService::decodePayload("[1]", &payload));
    QVERIFY(!PushService::decodePayload("{\"type\": ", &payload));
    QVERIFY(!PushService::decodePayload(QByteArray(), &payload));
    QVERIFY(PushService::decodePayload("{\"type\": 1, \"version\": \"2.1\"}", &payload));
    QCOMPARE(payload.value("version").toString(), QStringLiteral("2.1"));
}

void tst_PlatformServices::locationSessionFiltersSmallMovements()
{
    TestContext test;
    LocationService &location = test->location();
    QSignalSpy updates(&location, &LocationService::didUpdateLocation);
    const QGeoCoordinate start(31.2304, 121.4737);
    location.injectPosition(start); // no session yet
    QCOMPARE(updates.size(), 0);
    location.startUpdatingLocation();
    location.injectPosition(start);
    location.injectPosition(start.atDistanceAndAzimuth(60, 90));
    QCOMPARE(updates.size(), 1);
    location.injectPosition(start.atDistanceAndAzimuth(150, 90));
    QCOMPARE(updates.size(), 2);
    QVERIFY(qAbs(LocationService::distanceBetween(start, start.atDistanceAndAzimuth(150, 90)) - 150)
            < 0.5);
    // A new session reports the next fix whatever its distance.
    location.startUpdatingLocation();
    location.injectPosition(start.atDistanceAndAzimuth(160, 90));
    QCOMPARE(updates.size(), 3);

    location.simulate(false);
    QVERIFY(!location.locationServicesEnabled());
}

void tst_PlatformServices::fixedPositionIsReportedOnEveryStart()
{
    LocationService location(QGeoCoordinate(39.9042, 116.4074));
    QVERIFY(location.locationServicesEnabled());
    QSignalSpy updates(&location, &LocationService::didUpdateLocation);
    location.startUpdatingLocation();
    QVERIFY(updates.wait());
    QCOMPARE(updates[0][0].value<QGeoCoordinate>(), QGeoCoordinate(39.9042, 116.4074));
    location.startUpdatingLocation();
    QVERIFY(updates.wait());
    QCOMPARE(updates.size(), 2);
}

void tst_PlatformServices::reachabilityPostsOnlyChanges()
{
    TestContext test;
    QObject observer;
    QList<bool> seen;
    test->notifications().addObserver(
        &observer, NotificationNames::reachabilityChanged, [&](const QVariant &monitor) {
            auto *r = qobject_cast<Reachability *>(monitor.value<QObject *>());
            QVERIFY(r);
            seen << r->isReachable();
        });
    Reachability &reachability = test->reachability();
    reachability.setReachable(reachability.isReachable());
    QVERIFY(seen.isEmpty());
    reachability.setReachable(false);
    reachability.setReachable(true);
    QCOMPARE(seen, QList<bool>({false, true}));
}

void tst_PlatformServices::documentDirectoriesAreCreatedAndExcludedFromBackup()
{
    TestContext test;
    const QString documents = test->documentsDirectory();
    const QString chatFile = FileUtility::pathOfChatFile(documents, "user42.sqlite3");
    QCOMPARE(chatFile, QDir(documents).filePath("ChatLog/user42.sqlite3"));
    QVERIFY(QFileInfo(QDir(documents).filePath("ChatLog")).isDir());
    const QString normal = FileUtility::pathOfNormalFile(documents, "a.txt");
    QCOMPARE(QFileInfo(normal).dir().dirName(), QStringLiteral("Normal"));
    // Where the filesystem has user attributes the mark is set.
    const QString chatLog = QDir(documents).filePath("ChatLog");
    if (setxattrSupported(chatLog))
        QVERIFY(FileUtility::isExcludedFromBackup(chatLog));
}

void tst_PlatformServices::clockCanBeSetAndAdvanced()
{
    Clock clock;
    const qint64 system = QDateTime::currentSecsSinceEpoch();
    QVERIFY(qAbs(clock.secondsSince1970() - system) <= 1);
    clock.setNow(QDateTime::fromSecsSinceEpoch(1'700'000'000, Qt::UTC).addMSecs(999));
    QCOMPARE(clock.secondsSince1970(), 1'700'000'000);
    clock.advance(3601);
    QCOMPARE(clock.secondsSince1970(), 1'700'003'601);
}

QTEST_GUILESS_MAIN(tst_PlatformServices)
#include "tst_platformservices.moc"
