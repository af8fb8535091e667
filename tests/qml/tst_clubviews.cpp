// The club screens' views in the real window, driven by real presses: the list's
// filter bar and banner, the page's call sheet over the page (which takes no press while
// the sheet is up), the search form's picker, the board's report button over its row; a
// screenshot of every club screen.

#include "VenueViewHarness.h"
#include "api/json/JsonReader.h"
#include "model/Advertisement.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/UrlOpener.h"
#include "screens/venues/BLKMapViewController.h"
#include "screens/venues/ClubDetailViewController.h"
#include "screens/venues/ClubDiscussViewController.h"
#include "screens/venues/ClubListViewController.h"
#include "screens/venues/ClubSearchResultsViewController.h"
#include "screens/venues/ClubSearchViewController.h"
#include "screens/venues/VenueAlbumsViewController.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWheelEvent>

class tst_ClubViews : public QObject, protected VenueViewHarness {
    Q_OBJECT
private slots:
    void initTestCase() { AppShell::applyFont(); }
    void init() { setUpWindow(); }
    void cleanup() { tearDownWindow(); }
    void listFiltersAndBanner();
    void lateBannerKeepsAScrolledListInPlace();
    void callSheetTakesThePresses();
    void searchFormAndResults();
    void mapAndAlbum();
    void boardRowsTakeTheirPresses();
};

void tst_ClubViews::listFiltersAndBanner()
{
    test().reply("club.php", ScriptedReply::json(fixture("clubs_nearby.json")));
    test().reply("my_club_favor.php", ScriptedReply::json(fixture("clubs_favor.json")));
    auto *list = new ClubListViewController(test().context());
    list->setFilterBarTimings(60000, 60000);
    test().context().navigation().setViewControllers({list}, false);
    QTRY_COMPARE(list->records()->count(), 10);
    screenshot(QStringLiteral("ClubListViewNearby"));

    QVERIFY(click(named(QStringLiteral("filter1026"))));
    QCOMPARE(list->tabs()->shownTag(), int(ClubListViewController::FavoritesTag));
    QTRY_COMPARE(list->records()->count(), 1);
    screenshot(QStringLiteral("ClubListViewFavorites"));
    QVERIFY(click(named(QStringLiteral("filter1024"))));
    QCOMPARE(list->tabs()->shownTag(), int(ClubListViewController::NearbyTag));
    QCOMPARE(test().requestsTo("club.php"), 1);
    QVERIFY(click(named(QStringLiteral("filter1027"))));
    QCOMPARE(test().router().last(), QStringLiteral("clubSearch"));

    // A row opens its club.
    QQuickItem *row = find([](QQuickItem *item) {
        return item->property("name").toString() == QStringLiteral("Park 97");
    });
    QVERIFY(click(row));
    QCOMPARE(test().router().last(), QStringLiteral("club 19"));

    // The advertisements arrive after the list: the banner comes, and opens its club.
    test().context().session().setAds(Advertisement(*nuvora::json::JsonReader().objectWithData(
        R"({"club":[{"img":"","id":"32"},{"img":"","id":"8"}]})")));
    test().context().notifications().post(NotificationNames::adReceived);
    QTRY_VERIFY(named(QStringLiteral("adScroll")));
    screenshot(QStringLiteral("ClubListViewWithBanner"));
    QVERIFY(click(named(QStringLiteral("adScroll"))));
    QCOMPARE(test().router().last(), QStringLiteral("clubWithId 32"));
}

void tst_ClubViews::lateBannerKeepsAScrolledListInPlace()
{
    test().reply("club.php", ScriptedReply::json(fixture("clubs_nearby.json")));
    auto *list = new ClubListViewController(test().context());
    list->setFilterBarTimings(50, 50);
    test().context().navigation().setViewControllers({list}, false);
    QTRY_COMPARE(list->records()->count(), 10);
    QTRY_COMPARE(list->scroll()->topInset(), 0.0);
    QQuickItem *table = find([](QQuickItem *item) { return item->inherits("QQuickListView"); });
    QVERIFY(table);
    QTRY_VERIFY(!table->property("moving").toBool());

    QVERIFY(client_->phone().waitUntilIdle());
    // The user scrolls the list down by a few rows.
    const QPointF centre = table->mapToScene(QPointF(table->width() / 2, table->height() / 2));
    for (int notch = 0; notch < 20 && list->scroll()->contentOffsetY() < 200; ++notch) {
        QWheelEvent wheel(centre, window_->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        // Notches a second apart: each scrolls by itself.
        wheel.setTimestamp(ulong(1000 * (notch + 1)));
        QGuiApplication::sendEvent(window_, &wheel);
        QTRY_VERIFY(!table->property("moving").toBool());
    }
    QVERIFY(list->scroll()->contentOffsetY() >= 200);
    auto rowAtIndex = [this](int index) {
        return find([index](QQuickItem *item) {
            return item->property("index").toInt() == index && item->property("distance").isValid();
        });
    };
    QQuickItem *row = rowAtIndex(4);
    QVERIFY(row);
    const double rowY = row->mapToScene(QPointF(0, 0)).y();

    // The advertisements arrive: the banner heads the list, above the rows the user reads.
    test().context().session().setAds(Advertisement(
        *nuvora::json::JsonReader().objectWithData(R"({"club":[{"img":"","id":"32"}]})")));
    test().context().notifications().post(NotificationNames::adReceived);
    QTRY_VERIFY(named(QStringLiteral("adScroll")));
    QVERIFY(client_->phone().waitUntilIdle());
    QCOMPARE(rowAtIndex(4)->mapToScene(QPointF(0, 0)).y(), rowY);
}

void tst_ClubViews::callSheetTakesThePresses()
{
    test().reply("club_show.php", ScriptedReply::json(fixture("club_show_31.json")));
    test().context().urlOpener().setSchemesWithoutHandler({QStringLiteral("tel")});
    auto *detail = new ClubDetailViewController(test().context(), Club::withId(31));
    test().context().navigation().setViewControllers({detail}, false);
    QTRY_VERIFY(!detail->isLoading());
    screenshot(QStringLiteral("ClubDetailViewLoaded"));

    // Found while the page is in front: under a cover only its picture shows.
    QPointer<QQuickItem> favor = named(QStringLiteral("favorButton"));
    QVERIFY(favor);
    QVERIFY(click(named(QStringLiteral("telephonePanel"))));
    AlertPresenter &alerts = test().context().alerts();
    QVERIFY(alerts.isActionSheet());
    screenshot(QStringLiteral("ClubDetailViewCallSheet"));
    // The like button lies under the sheet's dimmed cover: no request goes out (the
    // loopback server has no answer scripted for one).
    QVERIFY(click(favor));
    QVERIFY(alerts.isActionSheet());
    QCOMPARE(test().requestsTo("club_favor_post.php"), 0);

    // One button per number; the second is the mobile.
    QVERIFY(labelled(QStringLiteral("拨打 021-64155555")));
    QVERIFY(click(labelled(QStringLiteral("拨打 13816668888"))));
    QTRY_VERIFY(!alerts.isActionSheet());
    QVERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertTitle(), QStringLiteral("13816668888"));
    screenshot(QStringLiteral("ClubDetailViewNoDialer"));
    QVERIFY(click(labelled(AlertPresenter::kOkButton)));
    QTRY_VERIFY(!alerts.alertVisible());

    // The rest of the page: strips, description and the board.
    auto *flickable = find([](QQuickItem *item) {
        return item->inherits("QQuickFlickable")
               && item->property("contentHeight").toDouble() > 600;
    });
    QVERIFY(flickable);
    flickable->setProperty("contentY", detail->layout()->contentHeight() - flickable->height());
    screenshot(QStringLiteral("ClubDetailViewBottom"));

    test().reply("club_favor_post.php", ScriptedReply::json(R"({"status":1,"message":""})"));
    flickable->setProperty("contentY", 0);
    QVERIFY(click(named(QStringLiteral("favorButton"))));
    QTRY_VERIFY(detail->club().isfavor);
    QTRY_VERIFY(named(QStringLiteral("favoredButton")));
    screenshot(QStringLiteral("ClubDetailViewLiked"));
}

void tst_ClubViews::searchFormAndResults()
{
    auto *form = new ClubSearchViewController(test().context());
    test().context().navigation().setViewControllers({form}, false);
    screenshot(QStringLiteral("ClubSearchViewForm"));
    QVERIFY(
        click(find([](QQuickItem *item) { return item->property("label").toString() == "城市"; })));
    QVERIFY(form->isPickerShown());
    // The panel has slid up and its wheels stand at the stored region.
    QQuickItem *popView = named(QStringLiteral("popView"));
    QVERIFY(popView);
    QTRY_COMPARE(popView->y(), 200.0);
    screenshot(QStringLiteral("ClubSearchViewPicker"));
    QVERIFY(click(labelled(QStringLiteral("完成"))));
    QVERIFY(!form->isPickerShown());

    test().reply("club.php", ScriptedReply::json(fixture("clubs_nearby.json")));
    auto *results =
        new ClubSearchResultsViewController(test().context(), QStringLiteral("Club"), 0, 0);
    test().context().navigation().pushViewController(results, false);
    QTRY_COMPARE(results->records()->count(), 10);
    screenshot(QStringLiteral("ClubSearchResultsViewFound"));
}

void tst_ClubViews::mapAndAlbum()
{
    Club club = Club::withId(31);
    club.name = QStringLiteral("千图馆 Gallery Lounge");
    club.address = QStringLiteral("衡山路8号");
    club.coordinate = QGeoCoordinate(31.2240, 121.4660);
    auto *map = new BLKMapViewController(test().context(), ClubAnnotation(club));
    test().context().navigation().setViewControllers({map}, false);
    QVERIFY(map->isUserLocationVisible());
    // The pin drops onto the club, then its callout shows.
    QQuickItem *pin = named(QStringLiteral("pin"));
    QVERIFY(pin);
    QTRY_COMPARE(pin->y() + pin->height(), 208.0);
    QTRY_VERIFY(named(QStringLiteral("callout")));
    screenshot(QStringLiteral("BLKMapViewWithUser"));
    QVERIFY(click(pin));
    QVERIFY(!map->isCalloutShown());
    QTRY_VERIFY(!named(QStringLiteral("callout")));

    test().reply("club_photo.php", ScriptedReply::json(fixture("club_photo_31.json")));
    auto *album = VenueAlbumsViewController::ofClub(test().context(), club);
    test().context().navigation().pushViewController(album, false);
    QTRY_COMPARE(album->records()->count(), 18);
    screenshot(QStringLiteral("ClubAlbumsViewPhotos"));
    // The second thumbnail of the first row.
    QQuickItem *thumbnail = find([](QQuickItem *item) {
        return item->property("column").toInt() == 1 && item->property("accessibleName") == "照片"
               && item->parentItem()->property("index").toInt() == 0;
    });
    QVERIFY(click(thumbnail));
    QCOMPARE(test().router().last(), QStringLiteral("photoViewer 2 of 18"));
}

void tst_ClubViews::boardRowsTakeTheirPresses()
{
    test().reply("club_remark.php", ScriptedReply::json(fixture("club_remark_31.json")));
    auto *board = new ClubDiscussViewController(test().context(), Club::withId(31));
    test().context().navigation().setViewControllers({board}, false);
    QTRY_COMPARE(board->records()->count(), 3);
    screenshot(QStringLiteral("ClubDiscussViewLoaded"));

    // The report button takes its press from the list and from the row under it.
    QVERIFY(click(named(QStringLiteral("commentActionButton"))));
    AlertPresenter &alerts = test().context().alerts();
    QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("是否举报这条评论？"));
    QVERIFY(!board->composer()->isReplying());
    QVERIFY(click(labelled(QStringLiteral("取消"))));
    QTRY_VERIFY(!alerts.alertVisible());
    QCOMPARE(test().requestsTo("jubao.php"), 0);

    // The row itself answers its comment.
    QVERIFY(click(find([](QQuickItem *item) {
        return item->property("content").toString() == QStringLiteral("氛围真好");
    })));
    QCOMPARE(board->composer()->replyTip(), QStringLiteral("回复Bo: "));
    screenshot(QStringLiteral("ClubDiscussViewReplying"));
}

QTEST_MAIN(tst_ClubViews)
#include "tst_clubviews.moc"
