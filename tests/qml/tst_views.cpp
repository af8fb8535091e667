// The QML smoke test: the real window loads every screen's view with its
// controller offscreen, and the alert, action sheet and notice overlays; any QML
// warning fails the test. One screenshot per view goes to screenshots/ beside
// this program, to be looked at.

#include "LoopbackHttpServer.h"
#include "PhoneWindow.h"
#include "TestContext.h"
#include "app/AppRouter.h"
#include "app/AppShell.h"
#include "app/LaunchingViewController.h"
#include "app/LoginViewController.h"
#include "app/MainViewController.h"
#include "app/RegisterStepOneViewController.h"
#include "app/RegisterStepThreeViewController.h"
#include "app/RegisterStepTwoViewController.h"
#include "chat/ChatService.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/feed/ActivityListViewController.h"
#include "screens/feed/ActivityPublicViewController.h"
#include "screens/feed/NotifyCenterViewController.h"
#include "screens/feed/UserActivityListViewController.h"
#include "screens/messaging/ChatLogViewController.h"
#include "screens/messaging/ChatViewController.h"
#include "screens/messaging/MessageBoxViewController.h"
#include "screens/people/BlackListViewController.h"
#include "screens/people/FavorListViewController.h"
#include "screens/people/FavorUserListViewController.h"
#include "screens/people/FriendListViewController.h"
#include "screens/people/LocationViewController.h"
#include "screens/people/UserFriendListViewController.h"
#include "screens/people/UserHomeViewController.h"
#include "screens/people/UserInfoViewController.h"
#include "screens/people/UserListViewController.h"
#include "screens/people/UserSearchResultsViewController.h"
#include "screens/people/UserSearchViewController.h"
#include "screens/photos/AlbumsViewController.h"
#include "screens/photos/MoodCommentCommitViewController.h"
#include "screens/photos/MoodCommentViewController.h"
#include "screens/photos/MoodPostViewController.h"
#include "screens/photos/PictureCommentCommitViewController.h"
#include "screens/photos/PictureCommentViewController.h"
#include "screens/photos/PictureUploadViewController.h"
#include "screens/profile/ProfileCenterViewController.h"
#include "screens/profile/UserInfoEditViewController.h"
#include "screens/settings/AboutUsViewController.h"
#include "screens/settings/BugReportViewController.h"
#include "screens/settings/ChangePasswordViewController.h"
#include "screens/settings/PrivacySettingsViewController.h"
#include "screens/settings/SettingsViewController.h"
#include "screens/venues/BLKMapViewController.h"
#include "screens/venues/ClubDetailViewController.h"
#include "screens/venues/ClubDiscussViewController.h"
#include "screens/venues/ClubListViewController.h"
#include "screens/venues/ClubSearchResultsViewController.h"
#include "screens/venues/ClubSearchViewController.h"
#include "screens/venues/MyPartyListViewController.h"
#include "screens/venues/PartyDetailViewController.h"
#include "screens/venues/PartyDiscussViewController.h"
#include "screens/venues/PartyJoinViewController.h"
#include "screens/venues/PartyListViewController.h"
#include "screens/venues/VenueAlbumsViewController.h"
#include "ui/ImageDataSource.h"
#include "ui/KTPhotoScrollViewController.h"
#include "ui/SDWebImageManager.h"
#include "ui/WebImage.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <functional>
#include <map>

namespace {
using Factory = std::function<ViewController *(AppContext &)>;

// The hub of a signed-in user, whose advertisements reply reports three reminders.
ViewController *signedInHub(AppContext &context)
{
    nuvora::json::Object user;
    user.set("uid", 2);
    user.set("nickname", "夜行者");
    context.session().setDefaultUser(nuvora::json::Value(std::move(user)));
    return new MainViewController(context);
}

// A user handed to the people screens.
User someone()
{
    User user;
    user.userId = 67;
    user.nickname = QStringLiteral("相册达人Ava");
    user.mood = QStringLiteral("新拍的一组外滩夜景，欢迎来相册看看");
    user.gender = 2;
    user.age = 32;
    return user;
}

Club sampleClub()
{
    Club club = Club::withId(31);
    club.name = QStringLiteral("千图馆 Gallery Lounge");
    club.address = QStringLiteral("衡山路8号");
    club.coordinate = QGeoCoordinate(31.2024, 121.4407);
    return club;
}

// The other party of the chat screens.
User chatPartner()
{
    User user;
    user.userId = 17;
    user.nickname = QStringLiteral("小夜");
    return user;
}

// Every screen's view, with how to make its controller for the test.
const std::map<QString, Factory> &screens()
{
    static const std::map<QString, Factory> table = {
        {"LaunchingView", [](AppContext &c) { return new LaunchingViewController(c); }},
        {"LoginView", [](AppContext &c) { return new LoginViewController(c); }},
        {"RegisterStepOneView", [](AppContext &c) { return new RegisterStepOneViewController(c); }},
        {"RegisterStepTwoView", [](AppContext &c) { return new RegisterStepTwoViewController(c); }},
        {"RegisterStepThreeView",
         [](AppContext &c) { return new RegisterStepThreeViewController(c, QByteArray()); }},
        {"LocationView", [](AppContext &c) { return new LocationViewController(c); }},
        {"MainView", [](AppContext &c) { return signedInHub(c); }},
        {"UserListView", [](AppContext &c) { return new UserListViewController(c); }},
        {"UserSearchView", [](AppContext &c) { return new UserSearchViewController(c); }},
        {"UserSearchResultsView",
         [](AppContext &c) { return new UserSearchResultsViewController(c, QVariantMap()); }},
        {"UserHomeView", [](AppContext &c) { return new UserHomeViewController(c, someone()); }},
        {"UserInfoView", [](AppContext &c) { return new UserInfoViewController(c, someone()); }},
        {"FriendListView", [](AppContext &c) { return new FriendListViewController(c, false); }},
        {"UserFriendListView",
         [](AppContext &c) { return new UserFriendListViewController(c, someone()); }},
        {"BlackListView", [](AppContext &c) { return new BlackListViewController(c); }},
        {"FavorListView", [](AppContext &c) { return new FavorListViewController(c, someone()); }},
        {"FavorUserListView",
         [](AppContext &c) { return FavorUserListViewController::ofClub(c, sampleClub()); }},
        {"KTPhotoScrollView",
         [](AppContext &c) {
             return new KTPhotoScrollViewController(
                 c, std::make_unique<ImageDataSource>(ImageDataSource::fromAddresses({"a.jpg"})),
                 0);
         }},
        {"ClubListView", [](AppContext &c) { return new ClubListViewController(c); }},
        {"ClubSearchView", [](AppContext &c) { return new ClubSearchViewController(c); }},
        {"ClubSearchResultsView",
         [](AppContext &c) { return new ClubSearchResultsViewController(c, "Club", 0, 0); }},
        {"ClubDetailView",
         [](AppContext &c) { return new ClubDetailViewController(c, sampleClub()); }},
        {"BLKMapView",
         [](AppContext &c) { return new BLKMapViewController(c, ClubAnnotation(sampleClub())); }},
        {"ClubDiscussView",
         [](AppContext &c) { return new ClubDiscussViewController(c, sampleClub()); }},
        {"VenueAlbumsView",
         [](AppContext &c) { return VenueAlbumsViewController::ofClub(c, sampleClub()); }},
        {"PartyListView", [](AppContext &c) { return new PartyListViewController(c); }},
        {"MyPartyListView",
         [](AppContext &c) { return new MyPartyListViewController(c, someone()); }},
        {"PartyDetailView",
         [](AppContext &c) { return new PartyDetailViewController(c, Party::withId(31)); }},
        {"PartyDiscussView",
         [](AppContext &c) { return new PartyDiscussViewController(c, Party::withId(31)); }},
        {"PartyJoinView", [](AppContext &c) { return new PartyJoinViewController(c, 31); }},
        {"MessageBoxView", [](AppContext &c) { return new MessageBoxViewController(c); }},
        {"ChatView", [](AppContext &c) { return new ChatViewController(c, chatPartner()); }},
        {"ChatLogView", [](AppContext &c) { return new ChatLogViewController(c, chatPartner()); }},
        {"PictureUploadView", [](AppContext &c) { return new PictureUploadViewController(c); }},
        {"MoodPostView", [](AppContext &c) { return new MoodPostViewController(c); }},
        {"ProfileCenterView", [](AppContext &c) { return new ProfileCenterViewController(c); }},
        {"UserInfoEditView", [](AppContext &c) { return new UserInfoEditViewController(c); }},
        {"CommentCommitView",
         [](AppContext &c) {
             Picture picture;
             picture.pid = QStringLiteral("88");
             picture.text = QStringLiteral("外滩的夜，灯火通明");
             picture.time = QStringLiteral("2012-06-01 23:10");
             return new PictureCommentCommitViewController(c, someone(), picture);
         }},
        {"AlbumsView", [](AppContext &c) { return new AlbumsViewController(c, someone()); }},
        {"PictureCommentView",
         [](AppContext &c) {
             Picture picture;
             picture.pid = QStringLiteral("88");
             picture.text = QStringLiteral("外滩的夜，灯火通明");
             return new PictureCommentViewController(c, someone(), picture);
         }},
        {"MoodCommentView",
         [](AppContext &c) {
             Mood mood;
             mood.moodid = QStringLiteral("9");
             mood.content = QStringLiteral("今晚去哪儿？");
             return new MoodCommentViewController(c, someone(), mood);
         }},
        {"ActivityListView", [](AppContext &c) { return new ActivityListViewController(c); }},
        {"UserActivityListView",
         [](AppContext &c) { return new UserActivityListViewController(c, someone()); }},
        {"NotifyCenterView", [](AppContext &c) { return new NotifyCenterViewController(c); }},
        {"ActivityPublicView", [](AppContext &c) { return new ActivityPublicViewController(c); }},
        {"SettingsView", [](AppContext &c) { return new SettingsViewController(c); }},
        {"PrivacySettingsView", [](AppContext &c) { return new PrivacySettingsViewController(c); }},
        {"ChangePasswordView", [](AppContext &c) { return new ChangePasswordViewController(c); }},
        {"BugReportView", [](AppContext &c) { return new BugReportViewController(c); }},
        {"AboutUsView", [](AppContext &c) { return new AboutUsViewController(c); }},
    };
    return table;
}

// The screens' views in the module: *View.qml under qml/app and qml/screens.
QStringList viewsInModule()
{
    QStringList names;
    QDirIterator files(QStringLiteral(":/Nuvora/qml"), {QStringLiteral("*View.qml")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.contains(QLatin1String("/qml/app/"))
            || path.contains(QLatin1String("/qml/screens/")))
            names << QFileInfo(path).completeBaseName();
    }
    names.sort();
    return names;
}
} // namespace

class tst_Views : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyViewHasAFactory();
    void screens_data();
    void screens();
    void overlays_data();
    void overlays();
    void stackViewMirrorsTheNavigation();

private:
    void showWindow();
    void screenshot(const QString &name);
    bool imagesSettled() const;

    std::unique_ptr<LoopbackHttpServer> web_;
    std::unique_ptr<TestContext> test_;
    std::unique_ptr<AppShell> shell_;
    std::unique_ptr<PhoneWindow> phone_;
    QQuickWindow *window_ = nullptr;
};

void tst_Views::initTestCase()
{
    AppShell::applyFont();
    QVERIFY(QGuiApplication::font().family().contains("WenQuanYi"));
}

void tst_Views::init()
{
    // The launching screen keeps waiting for its configuration; the region screen
    // finds no city, so that its picker shows.
    web_ = std::make_unique<LoopbackHttpServer>();
    ScriptedReply silent;
    silent.neverAnswer = true;
    web_->setReply(LaunchingViewController::kOptionPath, silent);
    web_->setReply("/iphone/2.0/option.php",
                   ScriptedReply::json(R"({"status":1,"message":"","guanggao":{"club":[]},)"
                                       R"("feed_notify":{"feedremindcount":3}})"));
    const auto clubs = ScriptedReply::json(
        R"({"status":1,"message":"","clubs":[{"clid":31,"name":"千图馆","lat":31.2,"lng":121.4}]})");
    web_->setReply("/iphone/2.0/club.php", clubs);
    web_->setReply(
        "/iphone/2.0/club_show.php",
        ScriptedReply::json(R"({"status":1,"message":"","clubphotos":[],"clubfavors":[]})"));
    web_->setReply("/iphone/2.0/club_photo.php",
                   ScriptedReply::json(R"({"status":1,"message":"","clubphotos":[]})"));
    web_->setReply("/iphone/2.0/lbs.php", ScriptedReply::fixture("lbs_unknown_place.json"));
    ScriptedReply about;
    about.headers = {{"Content-Type", "text/html; charset=utf-8"}};
    about.body = QStringLiteral("<h3>关于Nuvora</h3><p>夜色里，遇见身边的人。</p>"
                                "<p><a href=\"https://www.nuvora.cn/\">www.nuvora.cn</a></p>")
                     .toUtf8();
    web_->setReply(AboutUsViewController::kPath, about);
    // The people, party, board, photo and feed screens' first requests wait for ever.
    for (const char *script :
         {"user_nearby.php",     "user_search.php",  "home.php",           "party.php",
          "my_party_join.php",   "party_show.php",   "party_photo.php",    "club_remark.php",
          "party_remark.php",    "photo.php",        "photo_show.php",     "photo_remark.php",
          "mood_remark.php",     "my_feed_city.php", "my_feed_follow.php", "home_feed.php",
          "my_feed_remind.php",  "my_follow.php",    "home_follow.php",    "my_blacklist.php",
          "home_club_favor.php", "club_favor.php",   "my_feed_me.php"})
        web_->setReply(QStringLiteral("/iphone/2.0/") + QLatin1String(script), silent);
    test_ = std::make_unique<TestContext>(QUrl(web_->baseUrl()));
    AppContext &context = test_->context();
    context.session().apiServerAddress = web_->baseUrl() + "/iphone/2.0/";
    AppRouter::install(context);
    ChatService::install(context);
    SDWebImageManager::install(context);
    shell_ = std::make_unique<AppShell>(context);
}

void tst_Views::cleanup()
{
    window_ = nullptr;
    if (phone_)
        phone_->close();
    phone_.reset();
    const QStringList unexpected = web_->unreportedRequests();
    shell_.reset();
    test_.reset();
    web_.reset();
    QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected requests to " + unexpected.join(", ")));
}

void tst_Views::showWindow()
{
    phone_ = std::make_unique<PhoneWindow>(*shell_);
    window_ = phone_->window();
    QVERIFY2(window_, qPrintable(phone_->warningText()));
    QVERIFY2(phone_->warnings().isEmpty(), qPrintable(phone_->warningText()));
    QCOMPARE(window_->width(), 320);
    QCOMPARE(window_->height(), 480);
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void tst_Views::screenshot(const QString &name)
{
    // Transitions and images settle before the picture: no screen slides, and every
    // remote image has come or failed.
    QVERIFY(phone_->waitUntilIdle());
    QTRY_VERIFY(imagesSettled());
    QVERIFY(phone_->saveScreenshot(name));
    QVERIFY2(phone_->warnings().isEmpty(), qPrintable(phone_->warningText()));
}

bool tst_Views::imagesSettled() const
{
    for (const WebImage *image : window_->findChildren<WebImage *>()) {
        if (image->isVisible() && !image->url().isEmpty() && !image->loaded() && !image->failed())
            return false;
    }
    return true;
}

void tst_Views::everyViewHasAFactory()
{
    QStringList missing;
    for (const QString &view : viewsInModule()) {
        if (!::screens().count(view))
            missing << view;
    }
    QVERIFY2(missing.isEmpty(), qPrintable("views without a factory here: " + missing.join(", ")));
}

void tst_Views::screens_data()
{
    QTest::addColumn<QString>("view");
    for (const auto &[name, factory] : ::screens())
        QTest::newRow(qPrintable(name)) << name;
}

void tst_Views::screens()
{
    QFETCH(QString, view);
    showWindow();
    AppContext &context = test_->context();
    ViewController *controller = ::screens().at(view)(context);
    QCOMPARE(controller->viewName(), view);
    context.navigation().setViewControllers({controller}, true);
    QCOMPARE(context.navigation().topViewController(), controller);
    screenshot(view);
}

void tst_Views::overlays_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("Alert") << 0;
    QTest::newRow("AlertWithButtons") << 1;
    QTest::newRow("ActionSheet") << 2;
    QTest::newRow("Notice") << 3;
}

void tst_Views::overlays()
{
    QFETCH(int, kind);
    showWindow();
    AppContext &context = test_->context();
    context.navigation().setViewControllers({new LoginViewController(context)}, false);
    AlertPresenter &alerts = context.alerts();
    QObject owner;
    switch (kind) {
    case 0:
        alerts.showCommonAlert(QStringLiteral("网络连接中断"),
                               QStringLiteral("您的网络连接已断开"));
        break;
    case 1:
        alerts.showAlert(QStringLiteral("Nuvora2.1新版发布啦"),
                         QStringLiteral("立即前往AppStore更新吧！"), QStringLiteral("取消"),
                         {QStringLiteral("去更新")}, 0, &owner, {});
        break;
    case 2:
        alerts.showActionSheet(QStringLiteral("这张照片"), QStringLiteral("取消"),
                               QStringLiteral("删除"),
                               {QStringLiteral("举报"), QStringLiteral("保存")}, &owner, {});
        break;
    case 3:
        alerts.setNoticeMilliseconds(60000);
        alerts.showAutoHiddenNotice(QStringLiteral("已成功关注，对方将收到你的问候"));
        break;
    }
    screenshot(QString::fromLatin1(QTest::currentDataTag()));
}

void tst_Views::stackViewMirrorsTheNavigation()
{
    showWindow();
    AppContext &context = test_->context();
    NavigationController &nav = context.navigation();
    auto *stack = window_->findChild<QQuickItem *>(QStringLiteral("screenStack"));
    auto *modalLayer = window_->findChild<QQuickItem *>(QStringLiteral("modalLayer"));
    QVERIFY(stack && modalLayer);
    auto depth = [&] { return stack->property("depth").toInt(); };
    auto currentController = [&] {
        auto *item = stack->property("currentItem").value<QQuickItem *>();
        return item ? item->property("controller").value<QObject *>() : nullptr;
    };

    QPointer<ViewController> login = new LoginViewController(context);
    nav.setViewControllers({login}, false);
    QTRY_COMPARE(depth(), 1);
    auto *main = signedInHub(context);
    nav.pushViewController(main, true);
    QTRY_COMPARE(depth(), 2);
    QTRY_COMPARE(currentController(), main);
    QPointer<ViewController> pushed = new LoginViewController(context);
    nav.pushViewController(pushed, true);
    QTRY_COMPARE(depth(), 3);
    nav.popToRootViewController(true);
    QTRY_COMPARE(depth(), 1);
    QTRY_COMPARE(currentController(), login.data());
    // The popped screens go once their views have left.
    QTRY_VERIFY(pushed.isNull());

    QPointer<ViewController> modal = signedInHub(context);
    nav.presentViewController(modal, true);
    QTRY_VERIFY(modalLayer->isVisible());
    QTRY_COMPARE(modalLayer->y(), 0.0);
    screenshot(QStringLiteral("ModalMainView"));
    nav.dismissViewController(true);
    QTRY_VERIFY(!modalLayer->isVisible());
    QTRY_VERIFY(modal.isNull());

    nav.setViewControllers({signedInHub(context)}, true);
    QTRY_COMPARE(depth(), 1);
    QTRY_VERIFY(login.isNull());
    QVERIFY2(phone_->warnings().isEmpty(), qPrintable(phone_->warningText()));
}

QTEST_MAIN(tst_Views)
#include "tst_views.moc"
