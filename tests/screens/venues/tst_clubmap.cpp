// The club map: the region centred on the club, where the pin and the user's own
// position fall on the drawn area, and the callout.

#include "ClientTestContext.h"
#include "model/Session.h"
#include "platform/LocationService.h"
#include "platform/NavigationController.h"
#include "screens/venues/BLKMapViewController.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QGeoCoordinate kClub(31.2024, 121.4407);

BLKMapViewController *showMap(ClientTestContext &test)
{
    Club club = Club::withId(31);
    club.name = QStringLiteral("千图馆");
    club.address = QStringLiteral("衡山路8号");
    club.coordinate = kClub;
    auto *map = new BLKMapViewController(test.context(), ClubAnnotation(club));
    test.context().navigation().setViewControllers({map}, false);
    return map;
}

} // namespace

class ClubMapTest : public QObject {
    Q_OBJECT
private slots:
    void regionIsCentredOnTheClub()
    {
        ClientTestContext test;
        BLKMapViewController *map = showMap(test);
        QCOMPARE(map->center(), kClub);
        QCOMPARE(map->latitudeDelta(), 0.06);
        QCOMPARE(map->longitudeDelta(), 0.06);
        QCOMPARE(map->annotationTitle(), QStringLiteral("千图馆"));
        QCOMPARE(map->annotationSubtitle(), QStringLiteral("衡山路8号"));
        QCOMPARE(map->pinPoint(), QPointF(160, 208));
        // The area's corners and edges.
        const QPointF northWest = map->pointForCoordinate(
            QGeoCoordinate(kClub.latitude() + 0.03, kClub.longitude() - 0.03));
        QVERIFY(qAbs(northWest.x()) < 1e-6 && qAbs(northWest.y()) < 1e-6);
        const QPointF south =
            map->pointForCoordinate(QGeoCoordinate(kClub.latitude() - 0.03, kClub.longitude()));
        QVERIFY(qAbs(south.y() - 416) < 1e-6);

        QVERIFY(map->isCalloutShown());
        map->pinTapped();
        QVERIFY(!map->isCalloutShown());
        map->pinTapped();
        QVERIFY(map->isCalloutShown());
    }

    void userMarkerOnlyInsideTheArea()
    {
        ClientTestContext test;
        // Without a position there is no marker.
        BLKMapViewController *map = showMap(test);
        QVERIFY(!map->isUserLocationVisible());

        // 0.015 degrees north and east of the club: a quarter of the span.
        test.context().session().userLocation =
            QGeoCoordinate(kClub.latitude() + 0.015, kClub.longitude() + 0.015);
        map = showMap(test);
        QVERIFY(map->isUserLocationVisible());
        QVERIFY(qAbs(map->userPoint().x() - 240) < 1e-6);
        QVERIFY(qAbs(map->userPoint().y() - 104) < 1e-6);

        // A fix outside the area hides the marker; one inside shows it again.
        QSignalSpy moved(map, &BLKMapViewController::userLocationChanged);
        test.context().location().startUpdatingLocation();
        test.context().location().injectPosition(
            QGeoCoordinate(kClub.latitude() + 0.05, kClub.longitude()));
        QCOMPARE(moved.size(), 1);
        QVERIFY(!map->isUserLocationVisible());
        test.context().location().injectPosition(kClub);
        QVERIFY(map->isUserLocationVisible());
        QCOMPARE(map->userPoint(), QPointF(160, 208));
    }
};

QTEST_MAIN(ClubMapTest)
#include "tst_clubmap.moc"
