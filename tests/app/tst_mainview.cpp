// The main hub against the loopback API with captured replies: counters,
// advertisements, the reminder pop-up and its acknowledgement, section screens from the
// router kept and dropped, the reminder list and the party push through the router,
// and the profile reload.

#include "ClientTestContext.h"
#include "app/MainViewController.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/JsonVariant.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"
#include "ui/ExternalAddress.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <array>

namespace {
const QString kOptions = QStringLiteral("option.php");
const QString kRemind = QStringLiteral("my_feed_remind.php");
const QString kUserInfo = QStringLiteral("my_userinfo.php");

nuvora::json::Value signedInUser()
{
    nuvora::json::Object user;
    user.set("uid", 2);
    user.set("nickname", "小夜");
    user.set("bander", "http://img/bander.jpg");
    user.set("userinfoversion", 1);
    return nuvora::json::Value(std::move(user));
}

MessageBox box(int sender, int count)
{
    MessageBox summary;
    summary.senderuid = sender;
    summary.nickname = QStringLiteral("友%1").arg(sender);
    summary.message = QStringLiteral("你好");
    summary.time = QStringLiteral("12/07 22:00");
    summary.count = count;
    return summary;
}

// A plain screen standing in for the sections of later parts.
class SectionScreen : public ViewController {
public:
    using ViewController::ViewController;
};

// Runs the event loop until a timer started now with `ms` fired: by then every timer
// that was started before with no longer an interval has fired too.
bool timersStartedBeforeHaveFired(int ms)
{
    bool fired = false;
    QTimer::singleShot(ms, [&fired] { fired = true; });
    return QTest::qWaitFor([&fired] { return fired; }, ms + 5000);
}
} // namespace

Q_DECLARE_METATYPE(ScriptedReply)

class MainViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void countersFollowTheSettingsAndTheStore();
    void advertisementsArriveOnce();
    void footerOpensOnlyWebPages_data();
    void footerOpensOnlyWebPages();
    void footerWithoutABrowserShowsTheAddress();
    void failedOptionsShowTheMessage_data();
    void failedOptionsShowTheMessage();
    void reminderPopUpShowsAndAcknowledges();
    void reminderInAReplyOpensThePopUp();
    void notifyCenterOpensFromThePopUp();
    void sectionScreensAreKeptUntilTheRegionChanges();
    void regionChangeWhileAListIsShown();
    void profileReloadsOnANewVersion();
    void failedProfileReloadKeepsTheOldProfile_data();
    void failedProfileReloadKeepsTheOldProfile();
    void partyPushOpensTheParty_data();
    void partyPushOpensTheParty();
    void destroyedHubStopsListening();

private:
    AppContext &context() { return test_->context(); }
    RecordingRouter &router() { return test_->router(); }
    int requestsTo(const QString &script) const { return test_->requestsTo(script); }
    // Puts the hub at the bottom of the stack and waits for its advertisements.
    void loadHub(bool waitForAds = true);
    // Section screens for the activity, club and party rows, counting what was made.
    void provideSections();

    std::unique_ptr<ClientTestContext> test_;
    ChatService *chat_ = nullptr;
    QPointer<MainViewController> hub_;
    std::array<int, size_t(HubSection::Count)> made_{};
};

void MainViewTest::init()
{
    test_ = std::make_unique<ClientTestContext>();
    test_->replyFixture(kOptions, "option.json");
    test_->replyFixture(kRemind, "my_feed_remind.json");
    test_->replyFixture(kUserInfo, "my_userinfo.json");
    context().session().setDefaultUser(signedInUser());
    chat_ = &ChatService::install(context());
    chat_->database().openDatabase("user2.sqlite3");
    made_ = {};
}

void MainViewTest::cleanup()
{
    test_.reset();
    QVERIFY(!hub_);
}

void MainViewTest::loadHub(bool waitForAds)
{
    hub_ = new MainViewController(context());
    context().navigation().setViewControllers({hub_}, false);
    QVERIFY(hub_->isViewLoaded());
    if (waitForAds)
        QTRY_VERIFY(context().session().ads());
}

void MainViewTest::provideSections()
{
    router().sectionScreens = [this](HubSection section) -> ViewController * {
        if (section != HubSection::Activity && section != HubSection::Clubs
            && section != HubSection::Parties)
            return nullptr;
        ++made_[size_t(section)];
        return new SectionScreen(context());
    };
}

void MainViewTest::countersFollowTheSettingsAndTheStore()
{
    loadHub();
    QCOMPARE(hub_->menuTitles(), QStringList({"动态", "发现朋友", "会话", "夜店", "活动", "小夜"}));
    QCOMPARE(requestsTo(kOptions), 1);
    QCOMPARE(hub_->menuImageNames(),
             QStringList({"menu-activity.jpg", "menu-findfriend.jpg", "menu-chat.jpg",
                          "menu-night.jpg", "menu-party.png", "menu-profile.jpg"}));
    QCOMPARE(hub_->profileCover(), QStringLiteral("http://img/bander.jpg"));

    // Unread messages are summed over the conversations; a new message recounts them.
    Database &store = chat_->database();
    store.insertMessageBox(box(7, 3));
    store.insertMessageBox(box(8, 2));
    store.insertMessageBox(box(9, 0));
    QSignalSpy menu(hub_.data(), &MainViewController::menuChanged);
    context().notifications().post(NotificationNames::message);
    QCOMPARE(menu.size(), 1);
    QCOMPARE(hub_->menuTitles().at(2), QStringLiteral("会话(5条未读消息)"));
    QCOMPARE(hub_->menuTitles().at(0), QStringLiteral("动态"));

    // The follow count is read each time the hub comes back into view.
    context().settings().setString(SettingsKeys::feedFollowCount, "4");
    context().navigation().pushViewController(new SectionScreen(context()), false);
    context().navigation().popViewController(false);
    QCOMPARE(hub_->menuTitles().at(0), QStringLiteral("动态(4条新好友动态)"));

    // Without a store there is nothing unread.
    chat_->closeStore();
    hub_->refreshMenu();
    QCOMPARE(hub_->menuTitles().at(2), QStringLiteral("会话"));

    // The chat server's login answer opens the store again, and the hub counts anew.
    chat_->receivedSocketNotification(
        JsonVariant::wrap(nuvora::json::Object::adopt({{"command", "login"}, {"status", 0}})));
    QCOMPARE(hub_->menuTitles().at(2), QStringLiteral("会话(5条未读消息)"));
}

void MainViewTest::advertisementsArriveOnce()
{
    int received = 0;
    QObject observer;
    context().notifications().addObserver(&observer, NotificationNames::adReceived,
                                          [&](const QVariant &) { ++received; });
    QSignalSpy footer(&context().urlOpener(), &UrlOpener::urlOpened);
    loadHub();
    QCOMPARE(received, 1);
    QCOMPARE(requestsTo(kOptions), 1);
    const std::optional<Advertisement> &ads = context().session().ads();
    QCOMPARE(ads->clubs.size(), size_t(3));
    QCOMPARE(ads->clubs[1].id, 2);
    QCOMPARE(ads->parties.size(), size_t(3));
    QCOMPARE(hub_->footerImage(), QStringLiteral("http://127.0.0.1:9/560/adindex.jpg"));
    QVERIFY(!context().alerts().alertVisible());

    hub_->footerAdTapped();
    QCOMPARE(footer.size(), 1);
    QCOMPARE(footer.at(0).at(0).toUrl(), QUrl("http://127.0.0.1:9/m/about.php"));

    // Coming back into view does not ask again.
    context().navigation().pushViewController(new SectionScreen(context()), false);
    context().navigation().popViewController(false);
    QCOMPARE(ClientTestContext::requestsInFlight(*hub_), 0);
    QCOMPARE(received, 1);

    // A hub made later shows the advertisements at once, and asks again.
    loadHub(false);
    QCOMPARE(hub_->footerImage(), QStringLiteral("http://127.0.0.1:9/560/adindex.jpg"));
    QTRY_COMPARE(received, 2);
    QCOMPARE(requestsTo(kOptions), 2);
}

void MainViewTest::footerOpensOnlyWebPages_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("opens");
    QTest::newRow("https") << QByteArray("https://ads.example/hub") << true;
    QTest::newRow("upper-case scheme") << QByteArray("HTTP://ads.example/hub") << true;
    QTest::newRow("local file") << QByteArray("file:///etc/passwd") << false;
    QTest::newRow("script") << QByteArray("javascript:alert(1)") << false;
    QTest::newRow("telephone") << QByteArray("tel:10086") << false;
    QTest::newRow("no host") << QByteArray("http:/hub") << false;
}

void MainViewTest::footerOpensOnlyWebPages()
{
    QFETCH(QByteArray, address);
    QFETCH(bool, opens);
    ScriptedReply options = ScriptedReply::fixture("option.json");
    options.body.replace("http://127.0.0.1:9/m/about.php", address);
    test_->reply(kOptions, options);
    loadHub();
    QSignalSpy opened(&context().urlOpener(), &UrlOpener::urlOpened);
    hub_->footerAdTapped();
    QCOMPARE(opened.size(), opens ? 1 : 0);
    if (opens)
        QCOMPARE(opened.at(0).at(0).toUrl(), QUrl(QString::fromLatin1(address)));
}

void MainViewTest::footerWithoutABrowserShowsTheAddress()
{
    context().urlOpener().setSchemesWithoutHandler({QStringLiteral("http")});
    loadHub();
    hub_->footerAdTapped();
    AlertPresenter &alerts = context().alerts();
    QVERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertTitle(), QStringLiteral("http://127.0.0.1:9/m/about.php"));
    QCOMPARE(alerts.alertMessage(), ExternalAddress::kNoBrowser);
}

void MainViewTest::failedOptionsShowTheMessage_data()
{
    QTest::addColumn<ScriptedReply>("reply");
    QTest::addColumn<QString>("title");
    QTest::newRow("refused") << ScriptedReply::fixture("not_signed_in.json") << "请先登录";
    QTest::newRow("not JSON") << ScriptedReply::json("<html>busy</html>") << "网络连接失败";
    QTest::newRow("truncated") << ScriptedReply::json(
        ScriptedReply::fixture("option.json").body.left(40))
                               << "网络连接失败";
    QTest::newRow("HTTP error") << ScriptedReply::json("{}", 502) << "网络连接失败";
    ScriptedReply closed;
    closed.closeAbruptly = true;
    QTest::newRow("connection closed") << closed << "网络连接失败";
}

void MainViewTest::failedOptionsShowTheMessage()
{
    QFETCH(ScriptedReply, reply);
    QFETCH(QString, title);
    test_->reply(kOptions, reply);
    loadHub(false);
    AlertPresenter &alerts = context().alerts();
    QTRY_VERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertTitle(), title);
    QCOMPARE(alerts.alertMessage(), QString());
    QVERIFY(!context().session().ads());
    QVERIFY(hub_->footerImage().isEmpty());

    // Without advertisements the footer opens nothing.
    QSignalSpy opened(&context().urlOpener(), &UrlOpener::urlOpened);
    hub_->footerAdTapped();
    QCOMPARE(opened.size(), 0);
}

void MainViewTest::reminderPopUpShowsAndAcknowledges()
{
    loadHub();
    QSignalSpy slides(hub_.data(), &MainViewController::notifyPopViewShown);
    context().settings().setString(SettingsKeys::feedRemindCount, "3");
    context().notifications().post(NotificationNames::remind);
    QVERIFY(hub_->isNotifyShown());
    QCOMPARE(hub_->notifyText(), QStringLiteral("你有3条新提醒，点击查看详情"));
    QCOMPARE(slides.size(), 1);

    // A second reminder while shown updates the text and slides the pop-up in again.
    context().settings().setString(SettingsKeys::feedRemindCount, "5");
    context().notifications().post(NotificationNames::remind);
    QCOMPARE(hub_->notifyText(), QStringLiteral("你有5条新提醒，点击查看详情"));
    QCOMPARE(slides.size(), 2);

    // The acknowledgement goes once the pop-up has slid away.
    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply(kRemind, silent);
    hub_->closeNotifyView();
    QVERIFY(!hub_->isNotifyShown());
    QVERIFY(!hub_->isAcknowledgingReminders());
    QTRY_COMPARE(requestsTo(kRemind), 1);
    QCOMPARE(test_->lastFormOf(kRemind), (QList<QPair<QString, QString>>{{"feedid", "0"}}));
    QVERIFY(hub_->isAcknowledgingReminders());

    // While that acknowledgement is under way, closing again sends no second one.
    context().notifications().post(NotificationNames::remind);
    hub_->closeNotifyView();
    QVERIFY(timersStartedBeforeHaveFired(MainViewController::kNotifySlideMs + 1));
    QCOMPARE(ClientTestContext::requestsInFlight(*hub_), 1);
    QCOMPARE(requestsTo(kRemind), 1);
    QVERIFY(!context().alerts().alertVisible());
}

void MainViewTest::reminderInAReplyOpensThePopUp()
{
    // Any reply's counters reach the hub, its own advertisements reply included.
    test_->replyFixture(kOptions, "option_with_reminders.json");
    loadHub();
    QVERIFY(hub_->isNotifyShown());
    QCOMPARE(hub_->notifyText(), QStringLiteral("你有2条新提醒，点击查看详情"));
    QCOMPARE(hub_->menuTitles().at(0), QStringLiteral("动态(7条新好友动态)"));
    // The same profile version asks for no reload.
    QVERIFY(!hub_->isReloadingUser());
    QCOMPARE(requestsTo(kUserInfo), 0);
}

void MainViewTest::notifyCenterOpensFromThePopUp()
{
    loadHub();
    context().notifications().post(NotificationNames::remind);
    hub_->gotoNotifyCenter();
    QVERIFY(!hub_->isNotifyShown());
    QCOMPARE(router().opened, QStringList{"reminderList"});
    QTRY_COMPARE(requestsTo(kRemind), 1);
    QTRY_VERIFY(!hub_->isAcknowledgingReminders());
    QVERIFY(!context().alerts().alertVisible());
}

void MainViewTest::sectionScreensAreKeptUntilTheRegionChanges()
{
    loadHub();
    provideSections();
    NavigationController &navigation = context().navigation();

    // Rows of sections still to come open nothing; rows that are none ask for nothing.
    hub_->selectRow(int(HubSection::FindFriends));
    hub_->selectRow(42);
    hub_->selectRow(-1);
    QCOMPARE(navigation.depth(), 1);
    QCOMPARE(router().opened, QStringList{"section 1"});

    hub_->selectRow(int(HubSection::Clubs));
    QPointer<ViewController> clubs = navigation.topViewController();
    QCOMPARE(clubs.data(), hub_->sectionScreen(HubSection::Clubs));
    navigation.popViewController(false);
    hub_->selectRow(int(HubSection::Activity));
    QPointer<ViewController> activity = navigation.topViewController();
    navigation.popViewController(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(clubs && activity);

    // A second visit shows the same screen, without asking the router again.
    hub_->selectRow(int(HubSection::Clubs));
    QCOMPARE(navigation.topViewController(), clubs.data());
    QCOMPARE(made_[size_t(HubSection::Clubs)], 1);
    QCOMPARE(router().opened, (QStringList{"section 1", "section 3", "section 0"}));
    navigation.popViewController(false);

    // A new region makes new club and party lists; other sections stay.
    context().notifications().post(NotificationNames::citySwitched);
    QVERIFY(!hub_->sectionScreen(HubSection::Clubs));
    QTRY_VERIFY(!clubs);
    QCOMPARE(hub_->sectionScreen(HubSection::Activity), activity.data());
    hub_->selectRow(int(HubSection::Clubs));
    QCOMPARE(made_[size_t(HubSection::Clubs)], 2);
    QVERIFY(navigation.topViewController() != nullptr);
    QCOMPARE(navigation.topViewController(), hub_->sectionScreen(HubSection::Clubs));
}

void MainViewTest::regionChangeWhileAListIsShown()
{
    loadHub();
    provideSections();
    NavigationController &navigation = context().navigation();
    hub_->selectRow(int(HubSection::Parties));
    QPointer<ViewController> parties = navigation.topViewController();
    QVERIFY(parties);
    // The region is changed from a screen above the list.
    context().notifications().post(NotificationNames::citySwitched);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(parties);
    QCOMPARE(navigation.topViewController(), parties.data());
    navigation.popViewController(false);
    QTRY_VERIFY(!parties);
    QCOMPARE(navigation.topViewController(), hub_.data());
}

void MainViewTest::profileReloadsOnANewVersion()
{
    loadHub();
    QSignalSpy changed(&context().session(), &Session::defaultUserChanged);
    context().notifications().post(NotificationNames::userInfoChanged);
    // One reload at a time.
    context().notifications().post(NotificationNames::userInfoChanged);
    QVERIFY(hub_->isReloadingUser());
    QTRY_VERIFY(!hub_->isReloadingUser());
    QCOMPARE(requestsTo(kUserInfo), 1);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(context().session().defaultUser()->nickname, QStringLiteral("新名字"));
    QCOMPARE(context().session().userInfoVersion(), qint64(2));
    QCOMPARE(hub_->menuTitles().at(5), QStringLiteral("新名字"));
    QCOMPARE(hub_->profileCover(), QStringLiteral("http://127.0.0.1:9/560/bd2-new.jpg"));

    // The stored profile is the one a restarted client signs in with.
    SettingsStore reread(test_->settingsPath());
    QCOMPARE(QString::fromStdString(reread.value(SettingsKeys::defaultUser)["nickname"].toText()),
             QStringLiteral("新名字"));

    // A later notification reloads again.
    context().notifications().post(NotificationNames::userInfoChanged);
    QTRY_COMPARE(requestsTo(kUserInfo), 2);
}

void MainViewTest::failedProfileReloadKeepsTheOldProfile_data()
{
    QTest::addColumn<ScriptedReply>("reply");
    QTest::newRow("refused") << ScriptedReply::fixture("not_signed_in.json");
    QTest::newRow("not JSON") << ScriptedReply::json("Internal error");
    QTest::newRow("user not an object")
        << ScriptedReply::json(R"({"status":1,"message":"","user":"小夜"})");
    QTest::newRow("user missing") << ScriptedReply::json(R"({"status":1,"message":""})");
}

void MainViewTest::failedProfileReloadKeepsTheOldProfile()
{
    QFETCH(ScriptedReply, reply);
    test_->reply(kUserInfo, reply);
    loadHub();
    context().notifications().post(NotificationNames::userInfoChanged);
    QVERIFY(hub_->isReloadingUser());
    QTRY_VERIFY(!hub_->isReloadingUser());
    QCOMPARE(context().session().defaultUser()->nickname, QStringLiteral("小夜"));
    QCOMPARE(context().session().userInfoVersion(), qint64(1));
    QVERIFY(!context().settings().value(SettingsKeys::defaultUser).isObject());
    QVERIFY(!context().alerts().alertVisible());
}

void MainViewTest::partyPushOpensTheParty_data()
{
    QTest::addColumn<QVariant>("pid");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("text") << QVariant("15") << QStringList{"party 15"};
    QTest::newRow("number") << QVariant(15) << QStringList{"party 15"};
    QTest::newRow("zero") << QVariant(0) << QStringList();
    QTest::newRow("negative") << QVariant(-3) << QStringList();
    QTest::newRow("not a number") << QVariant("abc") << QStringList();
    QTest::newRow("fraction") << QVariant(15.5) << QStringList();
    QTest::newRow("whole decimal") << QVariant(15.0) << QStringList{"party 15"};
    QTest::newRow("past int") << QVariant(qint64(1) << 32) << QStringList();
    QTest::newRow("missing") << QVariant() << QStringList();
}

void MainViewTest::partyPushOpensTheParty()
{
    QFETCH(QVariant, pid);
    QFETCH(QStringList, opened);
    loadHub();
    QVariantMap payload;
    if (pid.isValid())
        payload.insert("pid", pid);
    context().notifications().post(NotificationNames::partyPush, payload);
    QCOMPARE(router().opened, opened);
    QCOMPARE(context().navigation().depth(), 1);
}

void MainViewTest::destroyedHubStopsListening()
{
    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply(kOptions, silent);
    loadHub(false);
    QTRY_COMPARE(requestsTo(kOptions), 1);
    QCOMPARE(context().notifications().observerCount(NotificationNames::remind), 1);
    provideSections();
    hub_->selectRow(int(HubSection::Activity));
    QPointer<ViewController> activity = hub_->sectionScreen(HubSection::Activity);
    QVERIFY(activity);

    // Sign-out replaces the stack.
    context().navigation().setViewControllers({new SectionScreen(context())}, false);
    QTRY_VERIFY(!hub_);
    QTRY_VERIFY(!activity);
    for (const QString &name :
         {NotificationNames::message, NotificationNames::remind, NotificationNames::partyPush,
          NotificationNames::citySwitched, NotificationNames::userInfoChanged})
        QCOMPARE(context().notifications().observerCount(name), 0);
    context().notifications().post(NotificationNames::remind);
    QVERIFY(!context().session().ads());
    QCOMPARE(router().opened, QStringList{"section 0"});
}

QTEST_GUILESS_MAIN(MainViewTest)
#include "tst_mainview.moc"
