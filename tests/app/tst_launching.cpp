// The launching screen against a loopback web host, with a set clock and the recording
// session flow: the configuration fetched or reused by its age, the automatic sign-in
// from the stored session, and the fallbacks when the configuration cannot be had.

#include "Fixtures.h"
#include "LoopbackHttpServer.h"
#include "TestContext.h"
#include "app/LaunchingViewController.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QTest>

namespace json = nuvora::json;

namespace {
const QByteArray kOptions =
    R"({"api":{"host":"10.0.0.5","port":8080},"message":{"host":"chat.local","port":"9100"}})";
const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1'800'000'000);

// The signed-in user as the server sent it at sign-in.
json::Value storedUser()
{
    return Fixtures::json("account_login.json")["user"];
}
} // namespace

class tst_Launching : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstLaunchFetchesTheConfiguration();
    void configuredHostIsTakenLiterally();
    void configurationAgeDecidesBetweenStoredAndFetched_data();
    void configurationAgeDecidesBetweenStoredAndFetched();
    void storedSessionSignsInAutomatically_data();
    void storedSessionSignsInAutomatically();
    void unusableConfigurationFallsBackToStoredAddresses_data();
    void unusableConfigurationFallsBackToStoredAddresses();
    void unusableConfigurationWithoutStoredAddressesOffersARetry();

private:
    AppContext &context() { return test_->context(); }
    const QStringList &flowCalls() { return test_->sessionFlow().calls; }
    LaunchingViewController *launch();
    void storeOptionsFetchedAt(qint64 seconds);

    std::unique_ptr<LoopbackHttpServer> web_;
    std::unique_ptr<TestContext> test_;
};

void tst_Launching::init()
{
    web_ = std::make_unique<LoopbackHttpServer>();
    web_->setReply(LaunchingViewController::kOptionPath, ScriptedReply::json(kOptions));
    test_ = std::make_unique<TestContext>(QUrl(web_->baseUrl()));
    context().clock().setNow(kNow);
}

void tst_Launching::cleanup()
{
    const QStringList unexpected = web_->unreportedRequests();
    test_.reset();
    web_.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected requests to " + unexpected.join(", ")));
}

LaunchingViewController *tst_Launching::launch()
{
    auto *launching = new LaunchingViewController(context());
    context().navigation().setViewControllers({launching}, false);
    return launching;
}

void tst_Launching::storeOptionsFetchedAt(qint64 seconds)
{
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::apiServerAddress, "http://stored.host:81/iphone/2.0/");
    settings.setString(SettingsKeys::firstSocketAddress, "stored.chat");
    settings.setString(SettingsKeys::firstSocketPort, "5222");
    settings.setString(SettingsKeys::lastOptionUpdateTime, QString::number(seconds));
}

void tst_Launching::firstLaunchFetchesTheConfiguration()
{
    LaunchingViewController *launching = launch();
    QVERIFY(launching->isRunning());
    QTRY_COMPARE(flowCalls(), QStringList{"gotoLogin"});
    QCOMPARE(web_->requests().size(), 1);
    QCOMPARE(web_->requests()[0].method, QByteArray("GET"));
    QCOMPARE(web_->requests()[0].target, QByteArray("/m/iphone2.0.0.json"));

    Session &session = context().session();
    QCOMPARE(session.apiServerAddress, QStringLiteral("http://10.0.0.5:8080/iphone/2.0/"));
    QCOMPARE(session.socketServer, QStringLiteral("chat.local"));
    QCOMPARE(session.socketPort, 9100);
    QVERIFY(!session.isSignedIn());
    SettingsStore &stored = test_->restart().settings();
    QCOMPARE(stored.string(SettingsKeys::apiServerAddress),
             QStringLiteral("http://10.0.0.5:8080/iphone/2.0/"));
    QCOMPARE(stored.string(SettingsKeys::firstSocketAddress), QStringLiteral("chat.local"));
    QCOMPARE(stored.string(SettingsKeys::firstSocketPort), QStringLiteral("9100"));
    QCOMPARE(stored.string(SettingsKeys::lastOptionUpdateTime), QStringLiteral("1800000000"));
}

void tst_Launching::configuredHostIsTakenLiterally()
{
    // A "%2" in the host is part of the name, not a place for the port.
    web_->setReply(LaunchingViewController::kOptionPath,
                   ScriptedReply::json(R"({"api":{"host":"a%2b.example","port":8080},)"
                                       R"("message":{"host":"chat.local","port":9100}})"));
    launch();
    QTRY_COMPARE(flowCalls(), QStringList{"gotoLogin"});
    QCOMPARE(context().session().apiServerAddress,
             QStringLiteral("http://a%2b.example:8080/iphone/2.0/"));
}

void tst_Launching::configurationAgeDecidesBetweenStoredAndFetched_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<bool>("fetches");
    QTest::newRow("3600 s") << qint64(3600) << false;
    QTest::newRow("3601 s") << qint64(3601) << true;
    QTest::newRow("just now") << qint64(0) << false;
}

void tst_Launching::configurationAgeDecidesBetweenStoredAndFetched()
{
    QFETCH(qint64, age);
    QFETCH(bool, fetches);
    storeOptionsFetchedAt(kNow.toSecsSinceEpoch() - age);
    launch();
    QTRY_COMPARE(flowCalls(), QStringList{"gotoLogin"});
    QCOMPARE(web_->requests().size(), fetches ? 1 : 0);
    const Session &session = context().session();
    if (fetches) {
        QCOMPARE(session.socketServer, QStringLiteral("chat.local"));
    } else {
        QCOMPARE(session.apiServerAddress, QStringLiteral("http://stored.host:81/iphone/2.0/"));
        QCOMPARE(session.socketServer, QStringLiteral("stored.chat"));
        QCOMPARE(session.socketPort, 5222);
    }
}

void tst_Launching::storedSessionSignsInAutomatically_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("token");
    QTest::addColumn<bool>("withUser");
    QTest::addColumn<bool>("signedIn");
    QTest::newRow("password, token and user") << "pw"
                                              << "tok" << true << true;
    QTest::newRow("token without password") << ""
                                            << "tok" << true << false;
    QTest::newRow("password without token") << "pw"
                                            << "" << true << false;
    QTest::newRow("no stored user") << "pw"
                                    << "tok" << false << false;
}

void tst_Launching::storedSessionSignsInAutomatically()
{
    QFETCH(QString, password);
    QFETCH(QString, token);
    QFETCH(bool, withUser);
    QFETCH(bool, signedIn);
    storeOptionsFetchedAt(kNow.toSecsSinceEpoch() - 10);
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::password, password);
    settings.setString(SettingsKeys::loginToken, token);
    if (withUser)
        settings.setValue(SettingsKeys::defaultUser, storedUser());
    launch();
    const std::optional<User> &user = context().session().defaultUser();
    if (signedIn) {
        QCOMPARE(flowCalls(), QStringList{"finishLogin"});
        QVERIFY(user);
        QCOMPARE(user->userId, 2);
        QCOMPARE(user->nickname, QStringLiteral("夜色体验官"));
        QCOMPARE(context().session().userInfoVersion(), qint64(1));
    } else {
        QCOMPARE(flowCalls(), QStringList{"gotoLogin"});
        QVERIFY(!user);
    }
    // Nothing is asked of any server for the automatic sign-in.
    QCOMPARE(web_->requests().size(), 0);
}

void tst_Launching::unusableConfigurationFallsBackToStoredAddresses_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::newRow("404") << QByteArray("{}") << 404;
    QTest::newRow("not JSON") << QByteArray("<html>maintenance</html>") << 200;
    QTest::newRow("no chat port") << QByteArray(
        R"({"api":{"host":"a","port":1},"message":{"host":"b"}})")
                                  << 200;
    QTest::newRow("port out of range")
        << QByteArray(R"({"api":{"host":"a","port":70000},"message":{"host":"b","port":2}})")
        << 200;
    QTest::newRow("host not text")
        << QByteArray(R"({"api":{"host":5,"port":1},"message":{"host":"b","port":2}})") << 200;
}

void tst_Launching::unusableConfigurationFallsBackToStoredAddresses()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    web_->setReply(LaunchingViewController::kOptionPath, ScriptedReply::json(body, status));
    const qint64 fetchedAt = kNow.toSecsSinceEpoch() - 7200;
    storeOptionsFetchedAt(fetchedAt);
    launch();
    QTRY_COMPARE(flowCalls(), QStringList{"gotoLogin"});
    QCOMPARE(web_->requests().size(), 1);
    QCOMPARE(context().session().apiServerAddress,
             QStringLiteral("http://stored.host:81/iphone/2.0/"));
    QCOMPARE(context().session().socketPort, 5222);
    // The old time stays, so the next launch tries again.
    QCOMPARE(context().settings().integer(SettingsKeys::lastOptionUpdateTime), fetchedAt);
    QVERIFY(!context().alerts().alertVisible());
}

void tst_Launching::unusableConfigurationWithoutStoredAddressesOffersARetry()
{
    web_->setReply(LaunchingViewController::kOptionPath, ScriptedReply::json("{}", 503));
    // A fresh time without addresses is no configuration either.
    context().settings().setString(SettingsKeys::lastOptionUpdateTime,
                                   QString::number(kNow.toSecsSinceEpoch()));
    LaunchingViewController *launching = launch();
    AlertPresenter &alerts = context().alerts();
    QTRY_VERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertTitle(), QStringLiteral("网络连接失败"));
    QCOMPARE(alerts.alertButtons(), QStringList({"重试"}));
    QVERIFY(flowCalls().isEmpty());
    QCOMPARE(context().navigation().bottomViewController(), launching);

    web_->setReply(LaunchingViewController::kOptionPath, ScriptedReply::json(kOptions));
    alerts.answer(0);
    QTRY_COMPARE(flowCalls(), QStringList{"gotoLogin"});
    QCOMPARE(web_->requests().size(), 2);
    QCOMPARE(context().session().socketServer, QStringLiteral("chat.local"));
}

QTEST_GUILESS_MAIN(tst_Launching)
#include "tst_launching.moc"
