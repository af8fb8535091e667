// The way into the hub with the real application delegate, router and chat layer
// against the seeded stand-in server: launch, configuration, sign-in (or the three
// registration steps), the region screen, the hub with its chat store, and sign-out.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "app/AppDelegate.h"
#include "app/AppRouter.h"
#include "app/LaunchingViewController.h"
#include "app/LoginViewController.h"
#include "app/MainViewController.h"
#include "app/RegisterStepOneViewController.h"
#include "app/RegisterStepThreeViewController.h"
#include "app/RegisterStepTwoViewController.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/people/LocationViewController.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

class tst_SignInE2E : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void signInThroughTheRegionToTheHubAndOut();
    void registrationReachesTheHub();

private:
    AppContext &context() { return test_->context(); }
    template <class T> T *bottom() { return qobject_cast<T *>(nav().bottomViewController()); }
    template <class T> T *top() { return qobject_cast<T *>(nav().topViewController()); }
    NavigationController &nav() { return context().navigation(); }
    // Confirms the city the server found for the stored position; the hub follows.
    void confirmTheRegion();

    DevServerProcess server_;
    QTemporaryDir files_;
    std::unique_ptr<TestContext> test_;
    ChatService *chat_ = nullptr;
};

void tst_SignInE2E::initTestCase()
{
    QVERIFY2(server_.start(), qPrintable(server_.errorString()));
    QVERIFY(files_.isValid());
}

void tst_SignInE2E::init()
{
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    AppRouter::install(context());
    AppDelegate &delegate = context().own(std::make_unique<AppDelegate>(context()));
    chat_ = &ChatService::install(context());
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::latitude, "31.230400");
    settings.setString(SettingsKeys::longitude, "121.473700");

    delegate.applicationDidFinishLaunching();
    QVERIFY(bottom<LaunchingViewController>());
    // The configuration comes from the stand-in's web host and names its API.
    QTRY_VERIFY_WITH_TIMEOUT(bottom<LoginViewController>(), 10000);
    QCOMPARE(context().session().apiServerAddress, server_.apiBase());
    QCOMPARE(nav().depth(), 1);
}

void tst_SignInE2E::cleanup()
{
    test_.reset();
}

void tst_SignInE2E::confirmTheRegion()
{
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<LocationViewController *>(nav().modalViewController()),
                             10000);
    auto *location = qobject_cast<LocationViewController *>(nav().modalViewController());
    QTRY_VERIFY_WITH_TIMEOUT(location->autoLocatedSuccess(), 10000);
    QCOMPARE(location->infoText(), QStringLiteral("上海"));
    // Cancelling keeps it up: the hub needs a city.
    location->cancel();
    QCOMPARE(nav().modalViewController(), location);
    location->confirmLocation();
    QCOMPARE(nav().modalViewController(), nullptr);
    QVERIFY(bottom<MainViewController>());
    QCOMPARE(nav().depth(), 1);
    QCOMPARE(context().settings().string(SettingsKeys::shi), QStringLiteral("1"));
}

void tst_SignInE2E::signInThroughTheRegionToTheHubAndOut()
{
    auto *login = bottom<LoginViewController>();
    login->setEmail(server_.demoEmail());
    login->setPassword(server_.demoPassword());
    login->login();
    confirmTheRegion();
    QCOMPARE(context().alerts().alertCount(), 0);
    QCOMPARE(context().session().userId(), qint64(2));
    // The chat server accepted the stored token: the user's store is open.
    QTRY_VERIFY_WITH_TIMEOUT(chat_->database().isOpen(), 10000);
    QCOMPARE(chat_->database().fileName(), QStringLiteral("user2.sqlite3"));
    const SettingsStore stored(test_->settingsPath());
    QCOMPARE(stored.string(SettingsKeys::username), server_.demoEmail());
    QVERIFY(!stored.string(SettingsKeys::loginToken).isEmpty());

    context().sessionFlow().logout();
    QVERIFY(!chat_->database().isOpen());
    QVERIFY(!chat_->hasSocket());
    QVERIFY(!context().session().isSignedIn());
    QTRY_VERIFY(bottom<LoginViewController>());
    QCOMPARE(nav().depth(), 1);
    QCOMPARE(bottom<LoginViewController>()->email(), server_.demoEmail());
    QVERIFY(!context().settings().contains(SettingsKeys::loginToken));
}

void tst_SignInE2E::registrationReachesTheHub()
{
    AlertPresenter &alerts = context().alerts();
    bottom<LoginViewController>()->registerButtonTapped();
    auto *stepOne = top<RegisterStepOneViewController>();
    QVERIFY(stepOne);
    stepOne->setEmail("newcomer@nuvora.cn");
    stepOne->setPassword("newcomer1");
    stepOne->stepOneFinished();
    QTRY_VERIFY_WITH_TIMEOUT(top<RegisterStepTwoViewController>(), 10000);
    auto *stepTwo = top<RegisterStepTwoViewController>();
    alerts.answer(1);
    QImage face(480, 640, QImage::Format_RGB32);
    face.fill(QColor(120, 40, 200));
    const QString path = files_.filePath("face.png");
    QVERIFY(face.save(path));
    stepTwo->imagePicker()->chooseFile(QUrl::fromLocalFile(path));
    stepTwo->imagePicker()->finishCropping();
    stepTwo->stepTwoFinished();

    auto *stepThree = top<RegisterStepThreeViewController>();
    QVERIFY(stepThree);
    stepThree->setNickname("新来的");
    stepThree->selectBirthday();
    stepThree->birthdayWheels()->setDate(1998, 8, 8);
    stepThree->fininshedSelectBirthday();
    stepThree->selectGender(2);
    stepThree->stepThreeFinished();
    confirmTheRegion();
    QCOMPARE(alerts.alertCount(), 0);

    const std::optional<User> &user = context().session().defaultUser();
    QVERIFY(user);
    QCOMPARE(user->nickname, QStringLiteral("新来的"));
    QCOMPARE(user->gender, 2);
    QVERIFY(!user->avatar_big.isEmpty());
    const SettingsStore stored(test_->settingsPath());
    QVERIFY(!stored.string(SettingsKeys::loginToken).isEmpty());
    QCOMPARE(stored.value(SettingsKeys::defaultUser)["nickname"].toText(), "新来的");

    // The account works for a later sign-in.
    ApiTestClient api(server_.webHost());
    QVERIFY(api.signIn("newcomer@nuvora.cn", "newcomer1"));
}

QTEST_GUILESS_MAIN(tst_SignInE2E)
#include "tst_signin_e2e.moc"
