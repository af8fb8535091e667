// The settings screen against the seeded stand-in server with the real application
// delegate and router: the password change, then the sign-out back to the sign-in screen
// with the stored session gone, and a sign-in with the new password only.

#include "DevServerProcess.h"
#include "TestContext.h"
#include "app/AppDelegate.h"
#include "app/AppRouter.h"
#include "app/LaunchingViewController.h"
#include "app/LoginViewController.h"
#include "app/MainViewController.h"
#include "chat/ChatService.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/settings/ChangePasswordViewController.h"
#include "screens/settings/SettingsViewController.h"
#include "ui/Router.h"

#include <QTest>

namespace {
constexpr int kTimeoutMs = 15000;
const QString kNewPassword = QStringLiteral("夜猫子night88");
} // namespace

class tst_SettingsE2e : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void passwordChangeThenSignOut();

private:
    AppContext &context() { return test_->context(); }
    NavigationController &nav() { return context().navigation(); }
    template <class T> T *top() { return qobject_cast<T *>(nav().topViewController()); }
    template <class T> T *bottom() { return qobject_cast<T *>(nav().bottomViewController()); }
    // Signs in from the sign-in screen; the stored city leads straight to the hub.
    void signIn(const QString &password);
    void answer(const QString &title, int index = 0)
    {
        QTRY_COMPARE_WITH_TIMEOUT(context().alerts().alertTitle(), title, kTimeoutMs);
        context().alerts().answer(index);
    }

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
};

void tst_SettingsE2e::initTestCase()
{
    QVERIFY2(server_.start(), qPrintable(server_.errorString()));
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    AppRouter::install(context());
    AppDelegate &delegate = context().own(std::make_unique<AppDelegate>(context()));
    ChatService::install(context());
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::sheng, QStringLiteral("25"));
    settings.setString(SettingsKeys::shi, QStringLiteral("1"));
    settings.setString(SettingsKeys::latitude, QStringLiteral("31.230400"));
    settings.setString(SettingsKeys::longitude, QStringLiteral("121.473700"));
    delegate.applicationDidFinishLaunching();
    QTRY_VERIFY_WITH_TIMEOUT(bottom<LoginViewController>(), kTimeoutMs);
}

void tst_SettingsE2e::signIn(const QString &password)
{
    auto *login = bottom<LoginViewController>();
    QVERIFY(login);
    login->setEmail(server_.demoEmail());
    login->setPassword(password);
    login->login();
    QTRY_VERIFY_WITH_TIMEOUT(bottom<MainViewController>(), kTimeoutMs);
}

void tst_SettingsE2e::passwordChangeThenSignOut()
{
    signIn(server_.demoPassword());
    context().router().openSettings();
    auto *settings = top<SettingsViewController>();
    QVERIFY(settings);
    QCOMPARE(settings->locationText(), QStringLiteral("当前：上海"));

    settings->changePassword();
    auto *change = top<ChangePasswordViewController>();
    QVERIFY(change);
    change->setOldPassword(server_.demoPassword());
    change->setNewPassword(kNewPassword);
    change->setRepeatPassword(kNewPassword);
    change->ok();
    answer(QStringLiteral("密码修改成功"));
    QTRY_COMPARE(top<SettingsViewController>(), settings);
    QCOMPARE(SettingsStore(test_->settingsPath()).string(SettingsKeys::password), kNewPassword);

    settings->logoff();
    context().alerts().answer(0);
    QTRY_VERIFY_WITH_TIMEOUT(bottom<LoginViewController>(), kTimeoutMs);
    QCOMPARE(nav().depth(), 1);
    QVERIFY(!context().session().isSignedIn());
    const SettingsStore stored(test_->settingsPath());
    for (const QString &key :
         {SettingsKeys::password, SettingsKeys::loginToken, SettingsKeys::defaultUser})
        QVERIFY2(!stored.contains(key), qPrintable(key));
    QCOMPARE(stored.string(SettingsKeys::username), server_.demoEmail());

    // The old password is refused now; the new one signs in.
    bottom<LoginViewController>()->setPassword(server_.demoPassword());
    bottom<LoginViewController>()->login();
    QTRY_COMPARE_WITH_TIMEOUT(context().alerts().alertMessage(), QStringLiteral("邮箱或密码错误"),
                              kTimeoutMs);
    context().alerts().answer(0);
    QVERIFY(bottom<LoginViewController>());
    signIn(kNewPassword);
}

QTEST_GUILESS_MAIN(tst_SettingsE2e)
#include "tst_settings_e2e.moc"
