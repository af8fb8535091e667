// The application delegate with a recording router and chat layer: what launching
// registers and opens, the session flow (sign-in, hub, sign-out in its order and what
// it keeps), activation, position, push and reachability.

#include "Fixtures.h"
#include "RecordingRouter.h"
#include "TestContext.h"
#include "app/AppDelegate.h"
#include "app/LoginViewController.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/ChatConnector.h"
#include "platform/LocationService.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/PushService.h"
#include "platform/Reachability.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"

#include <QTest>

namespace json = nuvora::json;

namespace {
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

// The signed-in user as the server sent it at sign-in.
json::Value storedUser()
{
    return Fixtures::json("account_login.json")["user"];
}
} // namespace

class tst_AppDelegate : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void launchRegistersAndOpensTheLaunchScreen();
    void sessionFlowOpensTheScreensThroughTheRouter();
    void signOutInOrderKeepsTheRest();
    void remoteNotificationTypes();
    void activationResetsBadgeStartsPositionAndReconnects();
    void positionUpdatesAndFailures();
    void pushTokenIsStoredAsHex();
    void reachabilityChanges();
    void chatCommandsReachTheChatLayer();

private:
    AppContext &context() { return test_->context(); }
    AppDelegate &launch();

    std::unique_ptr<TestContext> test_;
    std::unique_ptr<RecordingChat> chat_;
    RecordingRouter router_;
};

void tst_AppDelegate::init()
{
    test_ = std::make_unique<TestContext>();
    chat_ = std::make_unique<RecordingChat>(context().session());
    context().setChat(chat_.get(), nullptr, nullptr);
    context().setRouter(&router_);
    router_.opened.clear();
}

void tst_AppDelegate::cleanup()
{
    test_.reset();
    chat_.reset();
}

AppDelegate &tst_AppDelegate::launch()
{
    AppDelegate &delegate = context().own(std::make_unique<AppDelegate>(context()));
    delegate.applicationDidFinishLaunching();
    return delegate;
}

void tst_AppDelegate::launchRegistersAndOpensTheLaunchScreen()
{
    AppDelegate &delegate = launch();
    QCOMPARE(AppDelegate::sharedAppDelegate(), &delegate);
    QCOMPARE(&context().sessionFlow(), static_cast<SessionFlow *>(&delegate));
    QCOMPARE(router_.opened, QStringList{"launchScreen"});
    QVERIFY(chat_->calls.isEmpty());
    QVERIFY(context().settings().string(SettingsKeys::clientInfo).startsWith("Nuvora/2.0.0 "));
    QCOMPARE(test_->restart().settings().string(SettingsKeys::clientInfo).left(13),
             QStringLiteral("Nuvora/2.0.0 "));
}

void tst_AppDelegate::sessionFlowOpensTheScreensThroughTheRouter()
{
    AppDelegate &delegate = launch();
    SessionFlow &flow = context().sessionFlow();
    flow.gotoLogin();
    QCOMPARE(router_.last(), QStringLiteral("signIn"));
    QVERIFY(chat_->calls.isEmpty());

    context().session().setDefaultUser(storedUser());
    flow.finishLogin();
    QCOMPARE(chat_->calls, QStringList({"initializeSocket (signed in)"}));
    QCOMPARE(router_.opened, (QStringList{"launchScreen", "signIn", "hub"}));
    QCOMPARE(&flow, static_cast<SessionFlow *>(&delegate));
}

void tst_AppDelegate::signOutInOrderKeepsTheRest()
{
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::apiServerAddress, "http://stored.host:81/iphone/2.0/");
    settings.setString(SettingsKeys::password, "pw");
    settings.setString(SettingsKeys::loginToken, "tok");
    settings.setValue(SettingsKeys::defaultUser, storedUser());
    settings.setString(SettingsKeys::username, "me@example.com");
    settings.setString(SettingsKeys::sheng, "9");
    settings.setString(SettingsKeys::shi, "1");
    settings.setString(SettingsKeys::latitude, "31.230000");
    settings.setString(SettingsKeys::feedRemindCount, "2");
    AppDelegate &delegate = launch();
    context().session().setDefaultUser(storedUser());
    router_.opened.clear();

    delegate.logout();
    QCOMPARE(chat_->calls,
             QStringList({"closeStore (signed in)", "disconnectSocket (signed out)"}));
    QVERIFY(!context().session().defaultUser());
    QCOMPARE(router_.opened, QStringList{"signIn"});

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
    AppDelegate &delegate = launch();
    (*test_)->push().setBadgeNumber(4);
    delegate.applicationDidBecomeActive();
    QCOMPARE((*test_)->push().badgeNumber(), 0);
    QVERIFY((*test_)->location().isUpdating());
    // Signed out: the chat server is left alone.
    QVERIFY(chat_->calls.isEmpty());
    delegate.applicationWillResignActive();
    QCOMPARE(chat_->calls, QStringList({"disconnectSocket (signed out)"}));

    chat_->calls.clear();
    context().session().setDefaultUser(storedUser());
    delegate.finishLogin();
    QCOMPARE(chat_->calls, QStringList({"initializeSocket (signed in)"}));
    delegate.applicationWillResignActive();
    delegate.applicationDidBecomeActive();
    QCOMPARE(chat_->calls,
             QStringList({"initializeSocket (signed in)", "disconnectSocket (signed in)",
                          "initializeSocket (signed in)"}));

    // With the sign-in screen at the bottom there is no session to reconnect.
    chat_->calls.clear();
    context().navigation().setViewControllers({new LoginViewController(context())}, false);
    delegate.applicationDidBecomeActive();
    QVERIFY(chat_->calls.isEmpty());

    // Location services off: the position falls back to "0" and the alert shows.
    (*test_)->location().simulate(false);
    delegate.applicationDidBecomeActive();
    QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("无法定位您的位置"));
    QCOMPARE((*test_)->alerts().alertMessage(), QStringLiteral("请确保定位服务已开启"));
    QCOMPARE((*test_)->settings().string(SettingsKeys::latitude), QStringLiteral("0"));
    QCOMPARE((*test_)->settings().string(SettingsKeys::longitude), QStringLiteral("0"));
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
    launch();
    Reachability &reachability = (*test_)->reachability();
    reachability.setReachable(false);
    QCOMPARE((*test_)->alerts().alertTitle(), QStringLiteral("网络连接中断"));
    QCOMPARE((*test_)->alerts().alertMessage(), QStringLiteral("您的网络连接已断开"));
    reachability.setReachable(true);
    QVERIFY(chat_->calls.isEmpty()); // nobody signed in

    context().session().setDefaultUser(storedUser());
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
