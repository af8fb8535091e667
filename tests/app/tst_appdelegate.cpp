// Start-up and session: the launch decisions with a set clock, the fallbacks
// when the configuration cannot be had, sign-out, activation, position, push
// and reachability, against a loopback web host and a recording chat layer.

#include "LoopbackHttpServer.h"
#include "TestContext.h"
#include "app/AppDelegate.h"
#include "app/LaunchingViewController.h"
#include "app/LoginViewController.h"
#include "app/MainViewController.h"
#include "platform/AlertPresenter.h"
#include "platform/ApplicationActivity.h"
#include "platform/ChatConnector.h"
#include "platform/Clock.h"
#include "platform/LocationService.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/PushService.h"
#include "platform/Reachability.h"
#include "platform/Session.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"

#include <QTest>

namespace json = nuvora::json;

namespace {
const QByteArray kOptions =
    R"({"api":{"host":"10.0.0.5","port":8080},"message":{"host":"chat.local","port":"9100"}})";
const QDateTime kNow = QDateTime::fromSecsSinceEpoch(1'800'000'000);

// The chat layer as the shell sees it, recording each call with the session's
// signed-in state at that moment.
class RecordingChat : public ChatConnector {
public:
    explicit RecordingChat(Session &session) : session_(session) {}
    void initializeSocket() override
    {
        record("initializeSocket");
        socket = true;
    }
    void disconnectSocket() override
    {
        record("disconnectSocket");
        socket = false;
    }
    bool hasSocket() const override { return socket; }
    void closeStore() override { record("closeStore"); }
    void receivedSocketNotification(const QVariant &command) override
    {
        record("command " + command.toMap().value("cmd").toString());
    }

    QStringList calls;
    bool socket = false;

private:
    void record(const QString &call)
    {
        calls << call + (session_.isSignedIn() ? " (signed in)" : " (signed out)");
    }
    Session &session_;
};

json::Value storedUser()
{
    json::Object user;
    user.set("uid", 77);
    user.set("nickname", "夜归人");
    user.set("userinfoversion", 3);
    return json::Value(user);
}
} // namespace

class tst_AppDelegate : public QObject {
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
    void signOutInOrderKeepsTheRest();
    void remoteNotificationTypes();
    void activationResetsBadgeStartsPositionAndReconnects();
    void onlyMinimisingHidingOrQuittingResignsOnTheDesktop();
    void positionUpdatesAndFailures();
    void pushTokenIsStoredAsHex();
    void reachabilityChanges();
    void chatCommandsReachTheChatLayer();

private:
    AppDelegate &launch();
    void storeOptionsFetchedAt(qint64 seconds);
    template <class T> bool bottomIs() const
    {
        return qobject_cast<T *>((*test_)->navigation().bottomViewController()) != nullptr;
    }

    std::unique_ptr<LoopbackHttpServer> server_;
    std::unique_ptr<TestContext> test_;
    std::unique_ptr<RecordingChat> chat_;
};

void tst_AppDelegate::init()
{
    server_ = std::make_unique<LoopbackHttpServer>();
    server_->setReply("/m/iphone2.0.0.json", ScriptedReply::json(kOptions));
    test_ = std::make_unique<TestContext>(QUrl(server_->baseUrl()));
    (*test_)->clock().setNow(kNow);
    chat_ = std::make_unique<RecordingChat>((*test_)->session());
    (*test_)->setChat(chat_.get());
}

void tst_AppDelegate::cleanup()
{
    test_.reset();
    chat_.reset();
    server_.reset();
}

AppDelegate &tst_AppDelegate::launch()
{
    AppContext &context = test_->context();
    AppDelegate &delegate = context.addService(std::make_unique<AppDelegate>(context));
    delegate.applicationDidFinishLaunching();
    return delegate;
}

void tst_AppDelegate::storeOptionsFetchedAt(qint64 seconds)
{
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::apiServerAddress, "http://stored.host:81/iphone/2.0/");
    settings.setString(SettingsKeys::firstSocketAddress, "stored.chat");
    settings.setString(SettingsKeys::firstSocketPort, "5222");
    settings.setString(SettingsKeys::lastOptionUpdateTime, QString::number(seconds));
}

void tst_AppDelegate::firstLaunchFetchesTheConfiguration()
{
    AppDelegate &delegate = launch();
    QCOMPARE(AppDelegate::sharedAppDelegate(), &delegate);
    QVERIFY(bottomIs<LaunchingViewController>());
    auto *launching =
        qobject_cast<LaunchingViewController *>((*test_)->navigation().bottomViewController());
    QVERIFY(launching->isRunning());
    QTRY_VERIFY(bottomIs<LoginViewController>());
    QCOMPARE(server_->requests().size(), 1);
    QCOMPARE(server_->requests()[0].method, QByteArray("GET"));

    Session &session = (*test_)->session();
    QCOMPARE(session.apiServerAddress, QStringLiteral("http://10.0.0.5:8080/iphone/2.0/"));
    QCOMPARE(session.socketServer, QStringLiteral("chat.local"));
    QCOMPARE(session.socketPort, 9100);
    SettingsStore &stored = test_->restart().settings();
    QCOMPARE(stored.string(SettingsKeys::apiServerAddress),
             QStringLiteral("http://10.0.0.5:8080/iphone/2.0/"));
    QCOMPARE(stored.string(SettingsKeys::firstSocketAddress), QStringLiteral("chat.local"));
    QCOMPARE(stored.string(SettingsKeys::firstSocketPort), QStringLiteral("9100"));
    QCOMPARE(stored.string(SettingsKeys::lastOptionUpdateTime), QStringLiteral("1800000000"));
    QVERIFY(stored.string(SettingsKeys::clientInfo).startsWith("Nuvora/"));
}

void tst_AppDelegate::configuredHostIsTakenLiterally()
{
    // A "%2" in the host is part of the name, not a place for the port.
    server_->setReply("/m/iphone2.0.0.json",
                      ScriptedReply::json(R"({"api":{"host":"a%2b.example","port":8080},)"
                                          R"("message":{"host":"chat.local","port":9100}})"));
    launch();
    QTRY_VERIFY(bottomIs<LoginViewController>());
    QCOMPARE((*test_)->session().apiServerAddress,
             QStringLiteral("http://a%2b.example:8080/iphone/2.0/"));
}

void tst_AppDelegate::configurationAgeDecidesBetweenStoredAndFetched_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<bool>("fetches");
    QTest::newRow("3600 s") << qint64(3600) << false;
    QTest::newRow("3601 s") << qint64(3601) << true;
    QTest::newRow("just now") << qint64(0) << false;
}

void tst_AppDelegate::configurationAgeDecidesBetweenStoredAndFetched()
{
    QFETCH(qint64, age);
    QFETCH(bool, fetches);
    storeOptionsFetchedAt(kNow.toSecsSinceEpoch() - age);
    launch();
    QTRY_VERIFY(bottomIs<LoginViewController>());
    QCOMPARE(server_->requests().size(), fetches ? 1 : 0);
    const Session &session = (*test_)->session();
    if (fetches) {
        QCOMPARE(session.socketServer, QStringLiteral("chat.local"));
    } else {
        QCOMPARE(session.apiServerAddress, QStringLiteral("http://stored.host:81/iphone/2.0/"));
        QCOMPARE(session.socketServer, QStringLiteral("stored.chat"));
        QCOMPARE(session.socketPort, 5222);
    }
}

void tst_AppDelegate::storedSessionSignsInAutomatically_data()
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

void tst_AppDelegate::storedSessionSignsInAutomatically()
{
    QFETCH(QString, password);
    QFETCH(QString, token);
    QFETCH(bool, withUser);
    QFETCH(bool, signedIn);
    storeOptionsFetchedAt(kNow.toSecsSinceEpoch() - 10);
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::password, password);
    settings.setString(SettingsKeys::loginToken, token);
    if (withUser)
        settings.setValue(SettingsKeys::defaultUser, storedUser());
    AppDelegate &delegate = launch();
    if (signedIn) {
        QVERIFY(bottomIs<MainViewController>());
        QVERIFY(delegate.defaultUser());
        QCOMPARE(delegate.defaultUser()->userId, 77);
        QCOMPARE(delegate.defaultUser()->nickname, QStringLiteral("夜归人"));
        QCOMPARE((*test_)->session().userInfoVersion(), 3);
        QCOMPARE(chat_->calls, QStringList({"initializeSocket (signed in)"}));
    } else {
        QVERIFY(bottomIs<LoginViewController>());
        QVERIFY(!delegate.defaultUser());
        QVERIFY(chat_->calls.isEmpty());
    }
    // No request reaches the API server for the automatic sign-in.
    QCOMPARE(server_->requests().size(), 0);
}

void tst_AppDelegate::unusableConfigurationFallsBackToStoredAddresses_data()
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

void tst_AppDelegate::unusableConfigurationFallsBackToStoredAddresses()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    server_->setReply("/m/iphone2.0.0.json", ScriptedReply::json(body, status));
    const qint64 fetchedAt = kNow.toSecsSinceEpoch() - 7200;
    storeOptionsFetchedAt(fetchedAt);
    launch();
    QTRY_VERIFY(bottomIs<LoginViewController>());
    QCOMPARE(server_->requests().size(), 1);
    QCOMPARE((*test_)->session().apiServerAddress,
             QStringLiteral("http://stored.host:81/iphone/2.0/"));
    QCOMPARE((*test_)->session().socketPort, 5222);
    // The old time stays, so the next launch tries again.
    QCOMPARE((*test_)->settings().integer(SettingsKeys::lastOptionUpdateTime), fetchedAt);
    QVERIFY(!(*test_)->alerts().alertVisible());
}

void tst_AppDelegate::unusableConfigurationWithoutStoredAddressesOffersARetry()
{
    server_->setReply("/m/iphone2.0.0.json", ScriptedReply::json("{}", 503));
    // A fresh time without addresses is no configuration either.
    (*test_)->settings().setString(SettingsKeys::lastOptionUpdateTime,
                                   QString::number(kNow.toSecsSinceEpoch()));
    launch();
    AlertPresenter &alerts = (*test_)->alerts();
    QTRY_VERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertTitle(), QStringLiteral("网络连接失败"));
    QCOMPARE(alerts.alertButtons(), QStringList({"重试"}));
    QVERIFY(bottomIs<LaunchingViewController>());

    server_->setReply("/m/iphone2.0.0.json", ScriptedReply::json(kOptions));
    alerts.answer(0);
    QTRY_VERIFY(bottomIs<LoginViewController>());
    QCOMPARE(server_->requests().size(), 2);
    QCOMPARE((*test_)->session().socketServer, QStringLiteral("chat.local"));
}

void tst_AppDelegate::signOutInOrderKeepsTheRest()
{
    storeOptionsFetchedAt(kNow.toSecsSinceEpoch());
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::password, "pw");
    settings.setString(SettingsKeys::loginToken, "tok");
    settings.setValue(SettingsKeys::defaultUser, storedUser());
    settings.setString(SettingsKeys::username, "me@example.com");
    settings.setString(SettingsKeys::sheng, "9");
    settings.setString(SettingsKeys::shi, "1");
    settings.setString(SettingsKeys::latitude, "31.230000");
    settings.setString(SettingsKeys::feedRemindCount, "2");
    AppDelegate &delegate = launch();
    QVERIFY(bottomIs<MainViewController>());
    chat_->calls.clear();

    delegate.logout();
    QCOMPARE(chat_->calls,
             QStringList({"closeStore (signed in)", "disconnectSocket (signed out)"}));
    QVERIFY(!delegate.defaultUser());
    QVERIFY(bottomIs<LoginViewController>());
    QCOMPARE((*test_)->navigation().depth(), 1);

    SettingsStore &reread = test_->restart().settings();
    for (const QString &gone :
         {SettingsKeys::password, SettingsKeys::loginToken, SettingsKeys::defaultUser})
        QVERIFY2(!reread.contains(gone), qPrintable(gone));
    QCOMPARE(reread.string(SettingsKeys::username), QStringLiteral("me@example.com"));
    QCOMPARE(reread.string(SettingsKeys::shi), QStringLiteral("1"));
    QCOMPARE(reread.string(SettingsKeys::latitude), QStringLiteral("31.230000"));
    QCOMPARE(reread.string(SettingsKeys::feedRemindCount), QStringLiteral("2"));
    QCOMPARE(reread.string(SettingsKeys::apiServerAddress),
             QStringLiteral("http://stored.host:81/iphone/2.0/"));
}

void tst_AppDelegate::remoteNotificationTypes()
{
    AppDelegate &delegate = launch();
    QTRY_VERIFY(bottomIs<LoginViewController>());
    AlertPresenter &alerts = (*test_)->alerts();
    QObject observer;
    QVariantList parties;
    (*test_)->notifications().addObserver(&observer, NotificationNames::partyPush,
                                          [&](const QVariant &p) { parties << p; });

    (*test_)->push().deliver({{"type", 2}, {"pid", 15}});
    QVERIFY(!alerts.alertVisible());
    QVERIFY(parties.isEmpty());

    (*test_)->push().deliver({{"type", 3}, {"pid", 15}});
    QCOMPARE(parties.size(), 1);
    QCOMPARE(parties[0].toMap(), QVariantMap({{"pid", 15}}));

    delegate.didReceiveRemoteNotification({{"type", "1"}, {"version", "2.1"}});
    QCOMPARE(alerts.alertTitle(), QStringLiteral("Nuvora2.1新版发布啦"));
    QCOMPARE(alerts.alertMessage(), QStringLiteral("立即前往AppStore更新吧！"));
    QCOMPARE(alerts.alertButtons(), QStringList({"取消", "去更新"}));
    alerts.answer(0);
    QVERIFY((*test_)->urlOpener().opened().isEmpty());
    delegate.didReceiveRemoteNotification({{"type", 1}, {"version", "2.1"}});
    alerts.answer(1);
    QCOMPARE((*test_)->urlOpener().opened(), QList<QUrl>({UrlOpener::kStorePage}));
}

void tst_AppDelegate::activationResetsBadgeStartsPositionAndReconnects()
{
    storeOptionsFetchedAt(kNow.toSecsSinceEpoch());
    AppDelegate &delegate = launch();
    QVERIFY(bottomIs<LoginViewController>());
    (*test_)->push().setBadgeNumber(4);
    delegate.applicationDidBecomeActive();
    QCOMPARE((*test_)->push().badgeNumber(), 0);
    QVERIFY((*test_)->location().isUpdating());
    // Signed out: the chat server is left alone.
    QVERIFY(chat_->calls.isEmpty());
    delegate.applicationWillResignActive();
    QCOMPARE(chat_->calls, QStringList({"disconnectSocket (signed out)"}));

    chat_->calls.clear();
    delegate.setDefaultUser(storedUser());
    delegate.finishLogin();
    QCOMPARE(chat_->calls, QStringList({"initializeSocket (signed in)"}));
    delegate.applicationWillResignActive();
    delegate.applicationDidBecomeActive();
    QCOMPARE(chat_->calls,
             QStringList({"initializeSocket (signed in)", "disconnectSocket (signed in)",
                          "initializeSocket (signed in)"}));

    // Location services off: the position falls back to "0" and the alert shows.
    (*test_)->location().simulate(false);
    delegate.applicationDidBecomeActive();
    QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("无法定位您的位置"));
    QCOMPARE((*test_)->alerts().alertMessage(), QStringLiteral("请确保定位服务已开启"));
    QCOMPARE((*test_)->settings().string(SettingsKeys::latitude), QStringLiteral("0"));
    QCOMPARE((*test_)->settings().string(SettingsKeys::longitude), QStringLiteral("0"));
}

void tst_AppDelegate::onlyMinimisingHidingOrQuittingResignsOnTheDesktop()
{
    storeOptionsFetchedAt(kNow.toSecsSinceEpoch());
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::password, "pw");
    settings.setString(SettingsKeys::loginToken, "tok");
    settings.setValue(SettingsKeys::defaultUser, storedUser());
    (*test_)->location().simulate(false);
    AppDelegate &delegate = launch();
    QVERIFY(bottomIs<MainViewController>());
    chat_->calls.clear();

    AlertPresenter &alerts = (*test_)->alerts();
    int locationAlerts = 0;
    connect(&alerts, &AlertPresenter::alertChanged, this, [&] {
        locationAlerts += alerts.alertVisible() && alerts.alertTitle() == "无法定位您的位置";
    });
    ApplicationActivity activity;
    activity.setApplicationState(Qt::ApplicationActive);
    delegate.observeApplicationState(activity);
    QCOMPARE(chat_->calls, QStringList({"initializeSocket (signed in)"}));
    QCOMPARE(locationAlerts, 1);
    alerts.answer(0);

    // Another window takes the focus and gives it back: nothing happens.
    for (int i = 0; i < 3; ++i) {
        activity.setApplicationState(Qt::ApplicationInactive);
        activity.setApplicationState(Qt::ApplicationActive);
    }
    QCOMPARE(chat_->calls.size(), 1);

    // Minimised and restored, hidden and shown: the chat connection follows, the
    // location alert does not come back.
    activity.setWindowVisibility(QWindow::Minimized);
    activity.setApplicationState(Qt::ApplicationInactive);
    activity.setWindowVisibility(QWindow::Windowed);
    activity.setApplicationState(Qt::ApplicationActive);
    activity.setApplicationState(Qt::ApplicationHidden);
    activity.setApplicationState(Qt::ApplicationActive);
    activity.setWindowVisibility(QWindow::Hidden);
    activity.setWindowVisibility(QWindow::Maximized);
    QCOMPARE(chat_->calls,
             QStringList({"initializeSocket (signed in)", "disconnectSocket (signed in)",
                          "initializeSocket (signed in)", "disconnectSocket (signed in)",
                          "initializeSocket (signed in)", "disconnectSocket (signed in)",
                          "initializeSocket (signed in)"}));
    QCOMPARE(locationAlerts, 1);
    QCOMPARE(settings.string(SettingsKeys::latitude), QStringLiteral("0"));

    activity.setQuitting();
    QCOMPARE(chat_->calls.last(), QStringLiteral("disconnectSocket (signed in)"));
    QVERIFY(!activity.isActive());
}

void tst_AppDelegate::positionUpdatesAndFailures()
{
    AppDelegate &delegate = launch();
    delegate.applicationDidBecomeActive();
    LocationService &location = (*test_)->location();
    location.injectFailure();
    QCOMPARE((*test_)->settings().string(SettingsKeys::latitude), QStringLiteral("0"));
    location.injectPosition(QGeoCoordinate(31.2304, 121.4737));
    QCOMPARE(test_->restart().settings().string(SettingsKeys::latitude),
             QStringLiteral("31.230400"));
}

void tst_AppDelegate::pushTokenIsStoredAsHex()
{
    launch();
    QTRY_VERIFY(!(*test_)->session().deviceToken.isEmpty());
    const QString token = (*test_)->session().deviceToken;
    QCOMPARE(token.size(), 64);
    QCOMPARE(token, token.toLower());
    QCOMPARE((*test_)->settings().string(SettingsKeys::deviceToken), token);
    QCOMPARE(QByteArray::fromHex(token.toLatin1()), (*test_)->push().deviceToken());
}

void tst_AppDelegate::reachabilityChanges()
{
    AppDelegate &delegate = launch();
    Reachability &reachability = (*test_)->reachability();
    reachability.setReachable(false);
    QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("网络连接中断"));
    QCOMPARE((*test_)->alerts().alertMessage(), QStringLiteral("您的网络连接已断开"));
    reachability.setReachable(true);
    QVERIFY(chat_->calls.isEmpty()); // nobody signed in

    delegate.setDefaultUser(storedUser());
    reachability.setReachable(false);
    reachability.setReachable(true);
    QCOMPARE(chat_->calls, QStringList({"initializeSocket (signed in)"}));
    reachability.setReachable(false);
    reachability.setReachable(true); // a connection exists already
    QCOMPARE(chat_->calls.size(), 1);
}

void tst_AppDelegate::chatCommandsReachTheChatLayer()
{
    launch();
    (*test_)->notifications().post(NotificationNames::asyncSocket,
                                   QVariantMap{{"cmd", "recvmessage"}});
    QCOMPARE(chat_->calls, QStringList({"command recvmessage (signed out)"}));
}

QTEST_MAIN(tst_AppDelegate)
#include "tst_appdelegate.moc"
