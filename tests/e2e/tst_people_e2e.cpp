// "发现朋友" against the stand-in server with the real router: the seeded people near
// the fixed position with real distances, filtered by sex; a person's home page with
// photos and counters; following them; and their pictures full screen, decoded and
// zoomed.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "app/AppRouter.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/people/UserHomeViewController.h"
#include "screens/people/UserInfoViewController.h"
#include "screens/people/UserListViewController.h"
#include "ui/ImageDecoding.h"
#include "ui/KTPhotoScrollViewController.h"
#include "ui/KTPhotoView.h"
#include "ui/SDWebImageManager.h"

#include <QTest>

namespace {
// The position the run command gives the client.
const QGeoCoordinate kPosition(31.2310, 121.4745);
constexpr int kTimeoutMs = 15000;
} // namespace

class tst_PeopleE2e : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void nearbyHomeFollowAndViewer();

private:
    template <class Screen> Screen *top()
    {
        return qobject_cast<Screen *>(test_->context().navigation().topViewController());
    }

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
};

void tst_PeopleE2e::initTestCase()
{
    QVERIFY2(server_.start(), qPrintable(server_.errorString()));
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    AppContext &context = test_->context();
    ApiTestClient api(server_.webHost());
    const ApiReply reply = api.call("account_login.php", {{"email", server_.demoEmail()},
                                                          {"password", server_.demoPassword()}});
    QVERIFY2(reply.status() == 1, qPrintable(reply.message()));
    SettingsStore &settings = context.settings();
    settings.setString(SettingsKeys::loginToken,
                       QString::fromStdString(reply["logintoken"].toText()));
    settings.setString(SettingsKeys::latitude, QString::number(kPosition.latitude(), 'f', 4));
    settings.setString(SettingsKeys::longitude, QString::number(kPosition.longitude(), 'f', 4));
    context.session().apiServerAddress = server_.apiBase();
    context.session().userLocation = kPosition;
    context.session().setDefaultUser(reply["user"]);
    AppRouter::install(context);
    SDWebImageManager::install(context);
}

void tst_PeopleE2e::nearbyHomeFollowAndViewer()
{
    AppContext &context = test_->context();
    NavigationController &navigation = context.navigation();

    // The hub's "发现朋友" row.
    ViewController *section = context.router().makeHubSectionScreen(HubSection::FindFriends);
    auto *nearby = qobject_cast<UserListViewController *>(section);
    QVERIFY(nearby);
    navigation.pushViewController(nearby, false);
    QTRY_COMPARE_WITH_TIMEOUT(nearby->records()->count(), 20, kTimeoutMs);
    // Nearest first, a few hundred metres away, never the demo account itself.
    const User nearest = *nearby->userAt(0);
    QVERIFY2(nearest.distance.endsWith(QLatin1String("m"))
                 && !nearest.distance.endsWith(QLatin1String("km")),
             qPrintable(nearest.distance));
    for (int row = 0; row < 20; ++row)
        QVERIFY(nearby->userAt(row)->userId != 2);

    nearby->performFilter(2);
    QTRY_VERIFY_WITH_TIMEOUT(nearby->records()->count() > 0 && !nearby->isLoading(), kTimeoutMs);
    int ava = -1;
    for (int row = 0; row < nearby->records()->count(); ++row) {
        QCOMPARE(nearby->userAt(row)->gender, 2);
        if (nearby->userAt(row)->userId == 67)
            ava = row;
    }
    QVERIFY(ava >= 0);

    // Her home page: 21 photos on the server, the newest 8 on the page.
    nearby->cellAvatarButtonTapped(ava / 4, ava % 4);
    UserHomeViewController *home = top<UserHomeViewController>();
    QVERIFY(home);
    QTRY_COMPARE_WITH_TIMEOUT(home->photos().size(), 8, kTimeoutMs);
    QVERIFY(home->subtitle().startsWith(QStringLiteral("%1岁").arg(home->user().age)));
    QVERIFY(!home->followed());

    home->follow();
    QTRY_COMPARE_WITH_TIMEOUT(context.alerts().alertTitle(), QStringLiteral("关注成功"),
                              kTimeoutMs);
    QVERIFY(home->followed());
    context.alerts().answer(0);
    home->hi();
    QTRY_COMPARE_WITH_TIMEOUT(context.alerts().alertTitle(), QStringLiteral("招呼已送达"),
                              kTimeoutMs);
    context.alerts().answer(0);

    // Avatar, details, and the avatar full screen.
    home->avatarButtonTapped();
    UserInfoViewController *info = top<UserInfoViewController>();
    QVERIFY(info);
    QCOMPARE(info->tagText(), QStringLiteral("67"));
    info->avatarButtonTapped();
    auto *avatarViewer = top<KTPhotoScrollViewController>();
    QVERIFY(avatarViewer);
    QCOMPARE(avatarViewer->title(), QStringLiteral("1/1"));
    QTRY_VERIFY_WITH_TIMEOUT(avatarViewer->photoViewAt(0)->hasImage(), kTimeoutMs);
    navigation.popViewController(false);
    navigation.popViewController(false);
    QCOMPARE(top<UserHomeViewController>(), home);

    // Her newest photos full screen: the 3024 x 4032 one decodes and zooms.
    QStringList addresses;
    for (const Picture &photo : home->photos())
        addresses << photo.img_big;
    context.router().openPhotoViewer(addresses, 0);
    auto *viewer = top<KTPhotoScrollViewController>();
    QVERIFY(viewer);
    QCOMPARE(viewer->title(), QStringLiteral("1/8"));
    KTPhotoView *page = viewer->photoViewAt(0);
    QTRY_VERIFY_WITH_TIMEOUT(page->hasImage(), kTimeoutMs);
    QCOMPARE(page->image().size(), QSize(3024, 4032));
    QVERIFY(std::max(page->image().width(), page->image().height()) <= ImageDecoding::kMaxSide);
    viewer->photoTapped(160, 230);
    viewer->photoTapped(160, 230);
    QVERIFY(page->isZoomed());
    QCOMPARE(page->zoomScale(), page->maximumZoomScale());
}

QTEST_MAIN(tst_PeopleE2e)
#include "tst_people_e2e.moc"
