// The sign-in screen against the stand-in server: the empty-field alerts, a
// failed and a successful sign-in (what is stored, the region screen or the hub),
// one request for a double tap, replies that start no session, and the links.

#include "DevServerProcess.h"
#include "LoopbackHttpServer.h"
#include "TestContext.h"
#include "app/AppDelegate.h"
#include "app/LoginViewController.h"
#include "app/MainViewController.h"
#include "app/RegisterStepOneViewController.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/Session.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"
#include "screens/people/LocationViewController.h"

#include <QTest>

class tst_Login : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }
    void init();
    void cleanup();
    void storedAddressFillsTheForm();
    void emptyFieldsGetTheJokes();
    void failureShowsTheServerMessageAndStoresNothing();
    void firstSignInAsksForTheRegionBeforeTheHub();
    void signInWithARegionGoesToTheHub();
    void doubleTapSendsOneRequest();
    void repliesWithoutASessionStoreNothing_data();
    void repliesWithoutASessionStoreNothing();
    void linksOpenRegistrationAndPasswordPage();

private:
    LoginViewController *showLogin();
    void signIn(LoginViewController *login, const QString &password);

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
    AppDelegate *delegate_ = nullptr;
};

void tst_Login::init()
{
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    AppContext &context = test_->context();
    context.session().apiServerAddress = server_.apiBase();
    delegate_ = &context.addService(std::make_unique<AppDelegate>(context));
}

void tst_Login::cleanup()
{
    test_.reset();
}

LoginViewController *tst_Login::showLogin()
{
    delegate_->gotoLogin();
    auto *login = qobject_cast<LoginViewController *>((*test_)->navigation().topViewController());
    Q_ASSERT(login);
    return login;
}

void tst_Login::signIn(LoginViewController *login, const QString &password)
{
    login->setEmail(server_.demoEmail());
    login->setPassword(password);
    login->login();
    QVERIFY(login->isRunning());
}

void tst_Login::storedAddressFillsTheForm()
{
    LoginViewController *empty = showLogin();
    QCOMPARE(empty->email(), QString());
    QCOMPARE(empty->focusedField(), LoginViewController::kEmailField);

    (*test_)->settings().setString(SettingsKeys::username, "night@nuvora.cn");
    LoginViewController *filled = showLogin();
    QCOMPARE(filled->email(), QStringLiteral("night@nuvora.cn"));
    QCOMPARE(filled->focusedField(), LoginViewController::kPasswordField);
}

void tst_Login::emptyFieldsGetTheJokes()
{
    LoginViewController *login = showLogin();
    AlertPresenter &alerts = (*test_)->alerts();
    login->login();
    QCOMPARE(alerts.alertCount(), 1);
    QCOMPARE(alerts.alertTitle(), QString());
    QCOMPARE(alerts.alertButtons(), QStringList{QStringLiteral("原来是这么回事")});
    QCOMPARE(alerts.alertMessage().split('\n'),
             (QStringList{"Nuvora问用户:用户名是多少?", "用户说:没有用户名.",
                          "Nuvora:肯定有用户名.", "用户输入密码:meiyouyonghuming", "Nuvora:囧rz"}));
    alerts.answer(0);

    login->setEmail(server_.demoEmail());
    login->login();
    QCOMPARE(alerts.alertMessage().split('\n'),
             (QStringList{"Nuvora问用户:密码是多少?", "用户说:没有密码.", "Nuvora:肯定有密码.",
                          "用户输入密码:meiyoumima", "Nuvora:囧rz"}));
    QVERIFY(!login->isRunning());
    // The entered values stay.
    QCOMPARE(login->email(), server_.demoEmail());
}

void tst_Login::failureShowsTheServerMessageAndStoresNothing()
{
    LoginViewController *login = showLogin();
    signIn(login, "wrong-password");
    QTRY_VERIFY(!login->isRunning());
    AlertPresenter &alerts = (*test_)->alerts();
    QCOMPARE(alerts.alertCount(), 1);
    QCOMPARE(alerts.alertTitle(), QString());
    QCOMPARE(alerts.alertMessage(), QStringLiteral("邮箱或密码错误"));
    SettingsStore &settings = (*test_)->settings();
    for (const QString &key : {SettingsKeys::username, SettingsKeys::password,
                               SettingsKeys::loginToken, SettingsKeys::defaultUser})
        QVERIFY2(!settings.contains(key), qPrintable(key));
    QCOMPARE(delegate_->defaultUser(), nullptr);
    QCOMPARE((*test_)->navigation().topViewController(), login);
}

void tst_Login::firstSignInAsksForTheRegionBeforeTheHub()
{
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::latitude, "31.230400");
    settings.setString(SettingsKeys::longitude, "121.473700");
    LoginViewController *login = showLogin();
    signIn(login, server_.demoPassword());
    NavigationController &nav = (*test_)->navigation();
    QTRY_VERIFY(nav.modalViewController());
    auto *location = qobject_cast<LocationViewController *>(nav.modalViewController());
    QVERIFY(location);
    QCOMPARE(nav.bottomViewController(), login);
    QVERIFY(delegate_->defaultUser());
    QCOMPARE(delegate_->defaultUser()->userId, 2);

    // Stored and flushed before the region is chosen.
    {
        const SettingsStore stored(test_->settingsPath());
        QCOMPARE(stored.string(SettingsKeys::username), server_.demoEmail());
        QCOMPARE(stored.string(SettingsKeys::password), server_.demoPassword());
        QVERIFY(!stored.string(SettingsKeys::loginToken).isEmpty());
        QCOMPARE(stored.value(SettingsKeys::defaultUser)["uid"].toInteger(), 2);
    }

    // Cancelling, or a place without a city, keeps the region screen up.
    location->cancel();
    QCOMPARE(nav.modalViewController(), location);
    location->pickerViewDidSelectRow(3, LocationViewController::ProvinceComponent);
    location->confirmLocation();
    QCOMPARE(nav.modalViewController(), location);

    location->pickerViewDidSelectRow(1, LocationViewController::CityComponent);
    location->confirmLocation();
    QCOMPARE(nav.modalViewController(), nullptr);
    QVERIFY(qobject_cast<MainViewController *>(nav.bottomViewController()));
    QCOMPARE(nav.depth(), 1);
}

void tst_Login::signInWithARegionGoesToTheHub()
{
    (*test_)->settings().setString(SettingsKeys::sheng, "25");
    (*test_)->settings().setString(SettingsKeys::shi, "1");
    LoginViewController *login = showLogin();
    signIn(login, server_.demoPassword());
    NavigationController &nav = (*test_)->navigation();
    QTRY_VERIFY(qobject_cast<MainViewController *>(nav.topViewController()));
    QCOMPARE(nav.modalViewController(), nullptr);
    QCOMPARE((*test_)->alerts().alertCount(), 0);
    QVERIFY((*test_)->session().isSignedIn());
}

void tst_Login::doubleTapSendsOneRequest()
{
    LoopbackHttpServer api;
    ScriptedReply silent;
    silent.neverAnswer = true;
    api.setReply("/iphone/2.0/account_login.php", silent);
    (*test_)->session().apiServerAddress = api.baseUrl() + "/iphone/2.0/";
    LoginViewController *login = showLogin();
    signIn(login, "secret1");
    login->login();
    QVERIFY(api.waitForRequests(1));
    QTest::qWait(200);
    QCOMPARE(api.requests().size(), 1);
    QCOMPARE(api.requests()[0].body, QByteArray("email=demo@nuvora.cn&password=secret1"));
}

void tst_Login::repliesWithoutASessionStoreNothing_data()
{
    QTest::addColumn<ScriptedReply>("reply");
    QTest::addColumn<QString>("message");
    const QString failure = HTTPFetcher::kNetworkFailure;
    QTest::newRow("not json") << ScriptedReply::json("<html>") << failure;
    QTest::newRow("truncated") << ScriptedReply::json(R"({"status":1,"logintoken":"ab)") << failure;
    QTest::newRow("no user") << ScriptedReply::json(R"({"status":1,"logintoken":"abc"})")
                             << failure;
    QTest::newRow("user not an object")
        << ScriptedReply::json(R"({"status":1,"logintoken":"abc","user":[1]})") << failure;
    QTest::newRow("token not text")
        << ScriptedReply::json(R"({"status":1,"logintoken":7,"user":{"uid":2}})") << failure;
    QTest::newRow("status as text")
        << ScriptedReply::json(R"({"status":"0","message":"账号已停用"})")
        << QStringLiteral("账号已停用");
    ScriptedReply closed;
    closed.closeAbruptly = true;
    QTest::newRow("closed") << closed << failure;
}

void tst_Login::repliesWithoutASessionStoreNothing()
{
    QFETCH(ScriptedReply, reply);
    QFETCH(QString, message);
    LoopbackHttpServer api;
    api.setReply("/iphone/2.0/account_login.php", reply);
    (*test_)->session().apiServerAddress = api.baseUrl() + "/iphone/2.0/";
    LoginViewController *login = showLogin();
    signIn(login, "secret1");
    QTRY_VERIFY(!login->isRunning());
    QCOMPARE((*test_)->alerts().alertMessage(), message);
    QVERIFY(!(*test_)->settings().contains(SettingsKeys::loginToken));
    QVERIFY(!(*test_)->settings().contains(SettingsKeys::password));
    QCOMPARE(delegate_->defaultUser(), nullptr);
    // The screen stays usable.
    (*test_)->alerts().answer(0);
    login->login();
    QVERIFY(login->isRunning());
}

void tst_Login::linksOpenRegistrationAndPasswordPage()
{
    LoginViewController *login = showLogin();
    login->getPassword();
    QCOMPARE((*test_)->urlOpener().opened(),
             QList<QUrl>{QUrl(server_.webHost() + "/m/getpassword.php")});
    login->registerButtonTapped();
    NavigationController &nav = (*test_)->navigation();
    QVERIFY(qobject_cast<RegisterStepOneViewController *>(nav.topViewController()));
    nav.topViewController()->back();
    QCOMPARE(nav.topViewController(), login);
}

QTEST_GUILESS_MAIN(tst_Login)
#include "tst_login.moc"
