// The sign-in screen against the loopback API with captured replies: the empty-field
// alerts, a failed and a successful sign-in (what is stored, the region screen or the
// hub through the router and the session flow), one request for a double tap, replies
// that start no session, and the links.

#include "ClientTestContext.h"
#include "app/LoginViewController.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"

#include <QTest>

Q_DECLARE_METATYPE(ScriptedReply)

namespace {
const QString kEmail = QStringLiteral("demo@nuvora.cn");
}

class tst_Login : public QObject {
    Q_OBJECT
private slots:
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
    AppContext &context() { return test_->context(); }
    LoginViewController *showLogin();
    void signIn(LoginViewController *login, const QString &password);

    std::unique_ptr<ClientTestContext> test_;
};

void tst_Login::init()
{
    test_ = std::make_unique<ClientTestContext>();
}

void tst_Login::cleanup()
{
    test_.reset();
}

LoginViewController *tst_Login::showLogin()
{
    auto *login = new LoginViewController(context());
    context().navigation().setViewControllers({login}, false);
    return login;
}

void tst_Login::signIn(LoginViewController *login, const QString &password)
{
    login->setEmail(kEmail);
    login->setPassword(password);
    login->login();
    QVERIFY(login->isRunning());
}

void tst_Login::storedAddressFillsTheForm()
{
    LoginViewController *empty = showLogin();
    QCOMPARE(empty->email(), QString());
    QCOMPARE(empty->focusedField(), LoginViewController::kEmailField);

    context().settings().setString(SettingsKeys::username, "night@nuvora.cn");
    LoginViewController *filled = showLogin();
    QCOMPARE(filled->email(), QStringLiteral("night@nuvora.cn"));
    QCOMPARE(filled->focusedField(), LoginViewController::kPasswordField);
}

void tst_Login::emptyFieldsGetTheJokes()
{
    LoginViewController *login = showLogin();
    AlertPresenter &alerts = context().alerts();
    login->login();
    QCOMPARE(alerts.alertCount(), 1);
    QCOMPARE(alerts.alertTitle(), QString());
    QCOMPARE(alerts.alertButtons(), QStringList{QStringLiteral("原来是这么回事")});
    QCOMPARE(alerts.alertMessage().split('\n'),
             (QStringList{"Nuvora问用户:用户名是多少?", "用户说:没有用户名.",
                          "Nuvora:肯定有用户名.", "用户输入密码:meiyouyonghuming", "Nuvora:囧rz"}));
    alerts.answer(0);

    login->setEmail(kEmail);
    login->login();
    QCOMPARE(alerts.alertMessage().split('\n'),
             (QStringList{"Nuvora问用户:密码是多少?", "用户说:没有密码.", "Nuvora:肯定有密码.",
                          "用户输入密码:meiyoumima", "Nuvora:囧rz"}));
    QVERIFY(!login->isRunning());
    QCOMPARE(test_->api().requests().size(), 0);
    // The entered values stay.
    QCOMPARE(login->email(), kEmail);
}

void tst_Login::failureShowsTheServerMessageAndStoresNothing()
{
    test_->replyFixture(LoginViewController::kScript, "account_login_wrong_password.json");
    LoginViewController *login = showLogin();
    signIn(login, "wrong-password");
    QTRY_VERIFY(!login->isRunning());
    AlertPresenter &alerts = context().alerts();
    QCOMPARE(alerts.alertCount(), 1);
    QCOMPARE(alerts.alertTitle(), QString());
    QCOMPARE(alerts.alertMessage(), QStringLiteral("邮箱或密码错误"));
    SettingsStore &settings = context().settings();
    for (const QString &key : {SettingsKeys::username, SettingsKeys::password,
                               SettingsKeys::loginToken, SettingsKeys::defaultUser})
        QVERIFY2(!settings.contains(key), qPrintable(key));
    QVERIFY(!context().session().defaultUser());
    QVERIFY(test_->sessionFlow().calls.isEmpty());
    QVERIFY(test_->router().opened.isEmpty());
    QCOMPARE(context().navigation().topViewController(), login);
}

void tst_Login::firstSignInAsksForTheRegionBeforeTheHub()
{
    test_->replyFixture(LoginViewController::kScript, "account_login.json");
    LoginViewController *login = showLogin();
    signIn(login, "nuvora123");
    QTRY_COMPARE(test_->router().opened, QStringList{"regionChoice"});
    QCOMPARE(test_->lastFormOf(LoginViewController::kScript),
             (QList<QPair<QString, QString>>{{"email", kEmail}, {"password", "nuvora123"}}));
    const std::optional<User> &user = context().session().defaultUser();
    QVERIFY(user);
    QCOMPARE(user->userId, 2);
    QCOMPARE(user->nickname, QStringLiteral("夜色体验官"));

    // Stored and flushed before the region is chosen.
    {
        const SettingsStore stored(test_->settingsPath());
        QCOMPARE(stored.string(SettingsKeys::username), kEmail);
        QCOMPARE(stored.string(SettingsKeys::password), QStringLiteral("nuvora123"));
        QCOMPARE(stored.string(SettingsKeys::loginToken),
                 QStringLiteral("cb4a9e01a5fd2b2e7d019f3106687f63"));
        QCOMPARE(stored.value(SettingsKeys::defaultUser)["uid"].toInteger(), 2);
    }
    QVERIFY(test_->sessionFlow().calls.isEmpty());

    // Cancelling, or a place without a city, keeps the region screen up.
    test_->router().answerRegionChoice(std::nullopt);
    test_->router().answerRegionChoice(QString());
    QCOMPARE(test_->router().opened, QStringList{"regionChoice"});
    QVERIFY(test_->sessionFlow().calls.isEmpty());

    test_->router().answerRegionChoice(QStringLiteral("上海"));
    QCOMPARE(test_->router().opened, (QStringList{"regionChoice", "closeRegionChoice"}));
    QCOMPARE(test_->sessionFlow().calls, QStringList{"finishLogin"});
}

void tst_Login::signInWithARegionGoesToTheHub()
{
    test_->replyFixture(LoginViewController::kScript, "account_login.json");
    context().settings().setString(SettingsKeys::sheng, "25");
    context().settings().setString(SettingsKeys::shi, "1");
    LoginViewController *login = showLogin();
    signIn(login, "nuvora123");
    QTRY_COMPARE(test_->sessionFlow().calls, QStringList{"finishLogin"});
    QVERIFY(test_->router().opened.isEmpty());
    QCOMPARE(context().alerts().alertCount(), 0);
    QVERIFY(context().session().isSignedIn());
}

void tst_Login::doubleTapSendsOneRequest()
{
    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply(LoginViewController::kScript, silent);
    LoginViewController *login = showLogin();
    signIn(login, "secret1");
    login->login();
    QCOMPARE(ClientTestContext::requestsInFlight(*login), 1);
    QVERIFY(test_->api().waitForRequests(1));
    QCOMPARE(test_->api().requests()[0].body, QByteArray("email=demo@nuvora.cn&password=secret1"));
}

void tst_Login::repliesWithoutASessionStoreNothing_data()
{
    QTest::addColumn<ScriptedReply>("reply");
    QTest::addColumn<QString>("message");
    const QString failure = HTTPFetcher::kNetworkFailure;
    QTest::newRow("refused") << ScriptedReply::fixture("account_login_wrong_password.json")
                             << QStringLiteral("邮箱或密码错误");
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
    QTest::newRow("HTTP error") << ScriptedReply::json("{}", 500) << failure;
    ScriptedReply closed;
    closed.closeAbruptly = true;
    QTest::newRow("closed") << closed << failure;
}

void tst_Login::repliesWithoutASessionStoreNothing()
{
    QFETCH(ScriptedReply, reply);
    QFETCH(QString, message);
    test_->reply(LoginViewController::kScript, reply);
    LoginViewController *login = showLogin();
    signIn(login, "secret1");
    QTRY_VERIFY(!login->isRunning());
    AlertPresenter &alerts = context().alerts();
    QCOMPARE(alerts.alertTitle(), QString());
    QCOMPARE(alerts.alertMessage(), message);
    QVERIFY(!context().settings().contains(SettingsKeys::loginToken));
    QVERIFY(!context().settings().contains(SettingsKeys::password));
    QVERIFY(!context().session().isSignedIn());
    QVERIFY(test_->sessionFlow().calls.isEmpty());
    // The screen stays usable.
    alerts.answer(0);
    login->login();
    QVERIFY(login->isRunning());
}

void tst_Login::linksOpenRegistrationAndPasswordPage()
{
    LoginViewController *login = showLogin();
    login->getPassword();
    QCOMPARE(context().urlOpener().opened(),
             QList<QUrl>{QUrl(context().options().webHost.toString() + "/m/getpassword.php")});
    login->registerButtonTapped();
    QCOMPARE(test_->router().opened, QStringList{"registration"});
    QCOMPARE(test_->api().requests().size(), 0);
}

QTEST_GUILESS_MAIN(tst_Login)
#include "tst_login.moc"
