// The main hub against a scripted API server: counters, advertisements, the reminder
// pop-up and its acknowledgement, kept and dropped section screens, the profile reload.

#include "FormParser.h"
#include "LoopbackHttpServer.h"
#include "TestContext.h"
#include "app/AppDelegate.h"
#include "app/MainViewController.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Session.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
const QByteArray kOptions =
    R"({"status":1,"message":"","version":"2.0","guanggao":{"index":{"img":"http://img/index.jpg",)"
    R"("url":"http://ads.example/hub"},"club":[{"img":"http://img/c1.jpg","id":"5"}],"party":[]}})";
const QByteArray kUserInfo =
    R"({"status":1,"message":"","user":{"uid":2,"nickname":"新名字","bander":"http://img/b2.jpg",)"
    R"("userinfoversion":2}})";

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
    void partyPushOpensTheParty();
    void destroyedHubStopsListening();

private:
    AppContext &context() { return test_->context(); }
    // Puts the hub at the bottom of the stack and waits for its advertisements.
    void loadHub(bool waitForAds = true);
    int requestsTo(const QString &script) const;
    QList<QPair<QString, QString>> lastFormOf(const QString &script) const;

    std::unique_ptr<LoopbackHttpServer> server_;
    std::unique_ptr<TestContext> test_;
    AppDelegate *delegate_ = nullptr;
    ChatService *chat_ = nullptr;
    QPointer<MainViewController> hub_;
};

void MainViewTest::init()
{
    server_ = std::make_unique<LoopbackHttpServer>();
    server_->setReply("/iphone/2.0/option.php", ScriptedReply::json(kOptions));
    server_->setReply("/iphone/2.0/my_feed_remind.php",
                      ScriptedReply::json(R"({"status":1,"message":"","list":[]})"));
    server_->setReply("/iphone/2.0/my_userinfo.php", ScriptedReply::json(kUserInfo));
    test_ = std::make_unique<TestContext>();
    delegate_ = &context().addService(std::make_unique<AppDelegate>(context()));
    context().session().apiServerAddress = server_->baseUrl() + "/iphone/2.0/";
    context().urlOpener().setOpensExternally(false);
    delegate_->setDefaultUser(signedInUser());
    chat_ = &ChatService::install(context());
    chat_->database().openDatabase("user2.sqlite3");
}

void MainViewTest::cleanup()
{
    test_.reset();
    server_.reset();
    QVERIFY(!hub_);
}

void MainViewTest::loadHub(bool waitForAds)
{
    hub_ = new MainViewController(context(), *delegate_);
    context().navigation().setViewControllers({hub_}, false);
    QVERIFY(hub_->isViewLoaded());
    if (waitForAds)
        QTRY_VERIFY(delegate_->ads());
}

int MainViewTest::requestsTo(const QString &script) const
{
    int count = 0;
    for (const RecordedRequest &request : server_->requests())
        count += request.target.endsWith(script.toUtf8());
    return count;
}

QList<QPair<QString, QString>> MainViewTest::lastFormOf(const QString &script) const
{
    for (auto it = server_->requests().crbegin(); it != server_->requests().crend(); ++it) {
        if (it->target.endsWith(script.toUtf8()))
            return FormParser::parse(it->body);
    }
    return {};
}

void MainViewTest::countersFollowTheSettingsAndTheStore()
{
    loadHub();
    QCOMPARE(hub_->menuTitles(), QStringList({"动态", "发现朋友", "会话", "夜店", "活动", "小夜"}));
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
    QCOMPARE(requestsTo("option.php"), 1);
    QCOMPARE(delegate_->ads()->clubs.size(), size_t(1));
    QCOMPARE(hub_->footerImage(), QStringLiteral("http://img/index.jpg"));
    QVERIFY(!context().alerts().alertVisible());

    hub_->footerAdTapped();
    QCOMPARE(footer.size(), 1);
    QCOMPARE(footer.at(0).at(0).toUrl(), QUrl("http://ads.example/hub"));

    // Coming back into view does not ask again.
    context().navigation().pushViewController(new SectionScreen(context()), false);
    context().navigation().popViewController(false);
    QTest::qWait(50);
    QCOMPARE(requestsTo("option.php"), 1);
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
    QByteArray options = kOptions;
    options.replace("http://ads.example/hub", address);
    server_->setReply("/iphone/2.0/option.php", ScriptedReply::json(options));
    loadHub();
    QSignalSpy opened(&context().urlOpener(), &UrlOpener::urlOpened);
    hub_->footerAdTapped();
    QCOMPARE(opened.size(), opens ? 1 : 0);
    if (opens)
        QCOMPARE(opened.at(0).at(0).toUrl(), QUrl(QString::fromLatin1(address)));
}

void MainViewTest::failedOptionsShowTheMessage_data()
{
    QTest::addColumn<ScriptedReply>("reply");
    QTest::addColumn<QString>("title");
    QTest::newRow("refused") << ScriptedReply::json(R"({"status":0,"message":"服务器维护中"})")
                             << "服务器维护中";
    QTest::newRow("not JSON") << ScriptedReply::json("<html>busy</html>") << "网络连接失败";
    QTest::newRow("truncated") << ScriptedReply::json(kOptions.left(40)) << "网络连接失败";
    QTest::newRow("HTTP error") << ScriptedReply::json("{}", 502) << "网络连接失败";
    ScriptedReply closed;
    closed.closeAbruptly = true;
    QTest::newRow("connection closed") << closed << "网络连接失败";
}

void MainViewTest::failedOptionsShowTheMessage()
{
    QFETCH(ScriptedReply, reply);
    QFETCH(QString, title);
    server_->setReply("/iphone/2.0/option.php", reply);
    loadHub(false);
    AlertPresenter &alerts = context().alerts();
    QTRY_VERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertTitle(), title);
    QVERIFY(!delegate_->ads());
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
    server_->setReply("/iphone/2.0/my_feed_remind.php", silent);
    hub_->closeNotifyView();
    QVERIFY(!hub_->isNotifyShown());
    QCOMPARE(requestsTo("my_feed_remind.php"), 0);
    QTRY_COMPARE(requestsTo("my_feed_remind.php"), 1);
    QCOMPARE(lastFormOf("my_feed_remind.php"), (QList<QPair<QString, QString>>{{"feedid", "0"}}));
    QVERIFY(hub_->isAcknowledgingReminders());

    // While that acknowledgement is under way, closing again sends no second one.
    context().notifications().post(NotificationNames::remind);
    hub_->closeNotifyView();
    QTest::qWait(MainViewController::kNotifySlideMs + 150);
    QCOMPARE(requestsTo("my_feed_remind.php"), 1);
    QVERIFY(!context().alerts().alertVisible());
}

void MainViewTest::reminderInAReplyOpensThePopUp()
{
    // Any reply's counters reach the hub, its own advertisements reply included.
    QByteArray options = kOptions;
    options.replace(R"("version":"2.0")",
                    R"("version":"2.0","feed_notify":{"feedfollowcount":7,"feedremindcount":2,)"
                    R"("userinfoversion":1})");
    server_->setReply("/iphone/2.0/option.php", ScriptedReply::json(options));
    loadHub();
    QVERIFY(hub_->isNotifyShown());
    QCOMPARE(hub_->notifyText(), QStringLiteral("你有2条新提醒，点击查看详情"));
    QCOMPARE(hub_->menuTitles().at(0), QStringLiteral("动态(7条新好友动态)"));
    // The same profile version asks for no reload.
    QTest::qWait(50);
    QCOMPARE(requestsTo("my_userinfo.php"), 0);
}

void MainViewTest::notifyCenterOpensFromThePopUp()
{
    loadHub();
    QPointer<ViewController> reminders;
    hub_->setNotifyCenterFactory([&] { return reminders = new SectionScreen(context()); });
    context().notifications().post(NotificationNames::remind);
    hub_->gotoNotifyCenter();
    QVERIFY(!hub_->isNotifyShown());
    QVERIFY(reminders);
    QCOMPARE(context().navigation().topViewController(), reminders.data());
    QTRY_COMPARE(requestsTo("my_feed_remind.php"), 1);
}

void MainViewTest::sectionScreensAreKeptUntilTheRegionChanges()
{
    loadHub();
    NavigationController &navigation = context().navigation();
    int made[MainViewController::SectionCount] = {};
    for (auto section :
         {MainViewController::Activity, MainViewController::Clubs, MainViewController::Parties}) {
        hub_->setSectionFactory(section, [this, section, &made] {
            ++made[section];
            return new SectionScreen(context());
        });
    }

    // Rows of sections still to come open nothing.
    hub_->selectRow(MainViewController::FindFriends);
    hub_->selectRow(42);
    hub_->selectRow(-1);
    QCOMPARE(navigation.depth(), 1);

    hub_->selectRow(MainViewController::Clubs);
    QPointer<ViewController> clubs = navigation.topViewController();
    QCOMPARE(clubs.data(), hub_->sectionScreen(MainViewController::Clubs));
    navigation.popViewController(false);
    hub_->selectRow(MainViewController::Activity);
    QPointer<ViewController> activity = navigation.topViewController();
    navigation.popViewController(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(clubs && activity);

    // A second visit shows the same screen.
    hub_->selectRow(MainViewController::Clubs);
    QCOMPARE(navigation.topViewController(), clubs.data());
    QCOMPARE(made[MainViewController::Clubs], 1);
    navigation.popViewController(false);

    // A new region makes new club and party lists; other sections stay.
    context().notifications().post(NotificationNames::citySwitched);
    QVERIFY(!hub_->sectionScreen(MainViewController::Clubs));
    QTRY_VERIFY(!clubs);
    QCOMPARE(hub_->sectionScreen(MainViewController::Activity), activity.data());
    hub_->selectRow(MainViewController::Clubs);
    QCOMPARE(made[MainViewController::Clubs], 2);
    QVERIFY(navigation.topViewController() != nullptr);
    QCOMPARE(navigation.topViewController(), hub_->sectionScreen(MainViewController::Clubs));
}

void MainViewTest::regionChangeWhileAListIsShown()
{
    loadHub();
    NavigationController &navigation = context().navigation();
    hub_->setSectionFactory(MainViewController::Parties,
                            [this] { return new SectionScreen(context()); });
    hub_->selectRow(MainViewController::Parties);
    QPointer<ViewController> parties = navigation.topViewController();
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
    QCOMPARE(requestsTo("my_userinfo.php"), 1);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(delegate_->defaultUser()->nickname, QStringLiteral("新名字"));
    QCOMPARE(context().session().userInfoVersion(), qint64(2));
    QCOMPARE(hub_->menuTitles().at(5), QStringLiteral("新名字"));
    QCOMPARE(hub_->profileCover(), QStringLiteral("http://img/b2.jpg"));

    // The stored profile is the one a restarted client signs in with.
    SettingsStore reread(test_->settingsPath());
    QCOMPARE(QString::fromStdString(reread.value(SettingsKeys::defaultUser)["nickname"].toText()),
             QStringLiteral("新名字"));

    // A later notification reloads again.
    context().notifications().post(NotificationNames::userInfoChanged);
    QTRY_COMPARE(requestsTo("my_userinfo.php"), 2);
}

void MainViewTest::failedProfileReloadKeepsTheOldProfile_data()
{
    QTest::addColumn<ScriptedReply>("reply");
    QTest::newRow("refused") << ScriptedReply::json(R"({"status":0,"message":"请先登录"})");
    QTest::newRow("not JSON") << ScriptedReply::json("Internal error");
    QTest::newRow("user not an object")
        << ScriptedReply::json(R"({"status":1,"message":"","user":"小夜"})");
    QTest::newRow("user missing") << ScriptedReply::json(R"({"status":1,"message":""})");
}

void MainViewTest::failedProfileReloadKeepsTheOldProfile()
{
    QFETCH(ScriptedReply, reply);
    server_->setReply("/iphone/2.0/my_userinfo.php", reply);
    loadHub();
    context().notifications().post(NotificationNames::userInfoChanged);
    QTRY_VERIFY(!hub_->isReloadingUser());
    QCOMPARE(delegate_->defaultUser()->nickname, QStringLiteral("小夜"));
    QCOMPARE(context().session().userInfoVersion(), qint64(1));
    QVERIFY(!context().settings().value(SettingsKeys::defaultUser).isObject());
    QVERIFY(!context().alerts().alertVisible());
}

void MainViewTest::partyPushOpensTheParty()
{
    loadHub();
    // Until the party page exists a push opens nothing.
    context().notifications().post(NotificationNames::partyPush, QVariantMap{{"pid", "12"}});
    QCOMPARE(context().navigation().depth(), 1);

    QVariantMap seen;
    hub_->setPartyScreenFactory([&](const QVariantMap &payload) {
        seen = payload;
        return new SectionScreen(context());
    });
    context().notifications().post(NotificationNames::partyPush, QVariantMap{{"pid", "12"}});
    QCOMPARE(seen.value("pid").toString(), QStringLiteral("12"));
    QCOMPARE(context().navigation().depth(), 2);
}

void MainViewTest::destroyedHubStopsListening()
{
    ScriptedReply silent;
    silent.neverAnswer = true;
    server_->setReply("/iphone/2.0/option.php", silent);
    loadHub(false);
    QTRY_COMPARE(requestsTo("option.php"), 1);
    QCOMPARE(context().notifications().observerCount(NotificationNames::remind), 1);
    hub_->setSectionFactory(MainViewController::Activity,
                            [this] { return new SectionScreen(context()); });
    hub_->selectRow(MainViewController::Activity);
    QPointer<ViewController> activity = hub_->sectionScreen(MainViewController::Activity);

    // Sign-out replaces the stack.
    context().navigation().setViewControllers({new SectionScreen(context())}, false);
    QTRY_VERIFY(!hub_);
    QTRY_VERIFY(!activity);
    for (const QString &name :
         {NotificationNames::message, NotificationNames::remind, NotificationNames::partyPush,
          NotificationNames::citySwitched, NotificationNames::userInfoChanged})
        QCOMPARE(context().notifications().observerCount(name), 0);
    context().notifications().post(NotificationNames::remind);
    QVERIFY(!delegate_->ads());
}

QTEST_GUILESS_MAIN(MainViewTest)
#include "tst_mainview.moc"
