// The club path against the stand-in server, through the application's router: from the
// hub's section to the nearby clubs, a club's page, liking it, its album and the photo
// viewer; the like is checked on the server.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "app/AppRouter.h"
#include "model/Club.h"
#include "model/Picture.h"
#include "model/Session.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/venues/ClubDetailViewController.h"
#include "screens/venues/ClubListViewController.h"
#include "screens/venues/VenueAlbumsViewController.h"

#include <QTest>

namespace {

const QGeoCoordinate kPosition(31.2310, 121.4745);

// The application's router, noting the photo viewer it is asked for.
class NotingRouter : public AppRouter {
public:
    using AppRouter::AppRouter;
    void openPhotoViewer(const QStringList &addresses, int index) override
    {
        viewerAddresses = addresses;
        viewerIndex = index;
        AppRouter::openPhotoViewer(addresses, index);
    }
    QStringList viewerAddresses;
    int viewerIndex = -1;
};

} // namespace

class ClubsE2ETest : public QObject {
    Q_OBJECT
private slots:
    void nearbyToDetailToLikeToAlbumToViewer()
    {
        DevServerProcess server;
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        ApiTestClient api(server.webHost());
        QVERIFY(api.signIn(server.demoEmail(), server.demoPassword()));

        TestContext test(QUrl(server.webHost()));
        AppContext &context = test.context();
        context.session().apiServerAddress = server.apiBase();
        context.session().userLocation = kPosition;
        SettingsStore &settings = context.settings();
        settings.setString(SettingsKeys::loginToken, api.token());
        settings.setString(SettingsKeys::latitude, QString::number(kPosition.latitude()));
        settings.setString(SettingsKeys::longitude, QString::number(kPosition.longitude()));
        NotingRouter router(context);
        context.setRouter(&router);
        NavigationController &navigation = context.navigation();

        // The hub's "夜店" row.
        ViewController *section = router.makeHubSectionScreen(HubSection::Clubs);
        auto *list = qobject_cast<ClubListViewController *>(section);
        QVERIFY(list);
        navigation.setViewControllers({list}, false);
        QTRY_VERIFY_WITH_TIMEOUT(list->records()->count() > 0, 10000);
        const Club nearest = *list->records()->recordAt<Club>(0);
        QVERIFY2(nearest.distance.endsWith(QLatin1String("m")), qPrintable(nearest.distance));
        // The nearest first.
        const Club second = *list->records()->recordAt<Club>(1);
        QVERIFY(kPosition.distanceTo(nearest.coordinate)
                <= kPosition.distanceTo(second.coordinate));

        // The nearest club's page (the seed gives it photos).
        list->selectRow(0);
        const Club &chosen = nearest;
        auto *detail = qobject_cast<ClubDetailViewController *>(navigation.topViewController());
        QVERIFY(detail);
        QCOMPARE(detail->club().clid, chosen.clid);
        QTRY_VERIFY_WITH_TIMEOUT(!detail->isLoading(), 10000);
        QVERIFY(detail->photoStrip()->count() > 0);
        QVERIFY(!detail->club().isfavor);

        // Liking it reaches the server.
        detail->favor();
        QTRY_VERIFY_WITH_TIMEOUT(detail->club().isfavor, 10000);
        const ApiReply shown =
            api.call(QStringLiteral("club_show.php"), {{"clid", QString::number(chosen.clid)}});
        QCOMPARE(shown["club"]["isfavor"].toInteger(), int64_t(1));

        // The album and the viewer at its second photo.
        detail->photoStrip()->tailTapped();
        auto *album = qobject_cast<VenueAlbumsViewController *>(navigation.topViewController());
        QVERIFY(album);
        QTRY_VERIFY_WITH_TIMEOUT(album->records()->count() > 1, 10000);
        album->pictureTapped(0, 1);
        QCOMPARE(router.viewerIndex, 1);
        QCOMPARE(router.viewerAddresses.size(), album->records()->count());
        QCOMPARE(router.viewerAddresses.at(1), album->records()->recordAt<Picture>(1)->img_big);
        QVERIFY(router.viewerAddresses.at(1).startsWith(QLatin1String("http://")));

        navigation.setViewControllers({}, false);
    }
};

QTEST_MAIN(ClubsE2ETest)
#include "tst_clubs_e2e.moc"
