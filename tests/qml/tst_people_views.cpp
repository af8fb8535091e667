// The people screens' views driven with real pointer events in the real window: a
// sideways swipe flips the nearby table, a grid avatar opens its user, the filter bar
// shows above the first row, and a double tap zooms a photo in the viewer while a
// single tap brings its bars back. Any QML warning fails; screenshots are taken.

#include "ClientWindow.h"
#include "PhoneWindow.h"
#include "app/AppShell.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/people/UserHomeViewController.h"
#include "screens/people/UserInfoViewController.h"
#include "screens/people/UserListViewController.h"
#include "screens/people/UserSearchViewController.h"
#include "ui/ImageDataSource.h"
#include "ui/KTPhotoScrollViewController.h"
#include "ui/KTPhotoView.h"

#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

class tst_PeopleViews : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { AppShell::applyFont(); }
    void init();
    void cleanup();
    void swipeFlipsTheNearbyTable();
    void keptNearbyComesBackAsItWasLeft();
    void gridAvatarOpensItsUser();
    void homePageFromTheReply();
    void searchFormWithThePanel();
    void viewerDoubleTapZoomsAndSingleTapShowsTheBars();

private:
    void show(ViewController *controller);
    UserListViewController *showNearby();
    QQuickItem *item(const QString &objectName) const;
    QQuickItem *itemOfType(const char *typeName) const;
    QPoint centreOf(QQuickItem *item) const;
    // A sideways drag over the table from `start`, `dx` points long.
    void swipe(const QPoint &start, int dx);
    void screenshot(const QString &name);

    ClientTestContext &test() { return client_->test(); }

    std::unique_ptr<ClientWindow> client_;
    QQuickWindow *window_ = nullptr;
};

void tst_PeopleViews::init()
{
    client_ = std::make_unique<ClientWindow>();
    test()->session().userLocation = QGeoCoordinate(31.2310, 121.4745);
    client_->open();
    window_ = client_->window();
}

void tst_PeopleViews::cleanup()
{
    window_ = nullptr;
    client_->close();
    client_.reset();
}

void tst_PeopleViews::show(ViewController *controller)
{
    test()->navigation().setViewControllers({controller}, false);
}

UserListViewController *tst_PeopleViews::showNearby()
{
    test().replyFixture("user_nearby.php", "user_nearby_full_page.json");
    auto *nearby = new UserListViewController(test().context());
    nearby->setFilterBarTimings(600, 10000);
    show(nearby);
    return nearby;
}

// Searches the visual tree: list delegates have no object parent.
QQuickItem *tst_PeopleViews::item(const QString &objectName) const
{
    QList<QQuickItem *> pending{window_->contentItem()};
    while (!pending.isEmpty()) {
        QQuickItem *candidate = pending.takeFirst();
        if (candidate->objectName() == objectName && candidate->isVisible()
            && candidate->window() == window_)
            return candidate;
        pending += candidate->childItems();
    }
    return nullptr;
}

QQuickItem *tst_PeopleViews::itemOfType(const char *typeName) const
{
    QList<QQuickItem *> pending{window_->contentItem()};
    while (!pending.isEmpty()) {
        QQuickItem *candidate = pending.takeFirst();
        if (QByteArray(candidate->metaObject()->className()).startsWith(typeName)
            && candidate->isVisible())
            return candidate;
        pending += candidate->childItems();
    }
    return nullptr;
}

QPoint tst_PeopleViews::centreOf(QQuickItem *item) const
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

void tst_PeopleViews::swipe(const QPoint &start, int dx)
{
    QTest::mousePress(window_, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 10; ++step)
        QTest::mouseMove(window_, start + QPoint(step * dx / 10, 0), 10);
    QTest::mouseRelease(window_, Qt::LeftButton, {}, start + QPoint(dx, 0), 10);
}

void tst_PeopleViews::screenshot(const QString &name)
{
    QVERIFY(client_->phone().waitUntilStill());
    QVERIFY(client_->phone().saveScreenshot(name));
}

void tst_PeopleViews::swipeFlipsTheNearbyTable()
{
    UserListViewController *nearby = showNearby();
    QTRY_COMPARE(nearby->records()->count(), 20);
    // The filter bar shows above the first row until it slides away.
    QQuickItem *women = item(QStringLiteral("filterButton2"));
    QVERIFY(women);
    QTRY_VERIFY(women->isVisible() && centreOf(women).y() > 64);
    screenshot(QStringLiteral("UserListFilterBar"));

    QQuickItem *table = item(QStringLiteral("userTable"));
    QVERIFY(table);
    const QPoint start = centreOf(table) + QPoint(80, 0);
    swipe(start, -160);
    QTRY_COMPARE(nearby->tableStyle(), int(UserListViewController::ListStyle));
    QVERIFY(nearby->flipFromRight());
    QTRY_COMPARE(table->property("style").toInt(), int(UserListViewController::ListStyle));
    screenshot(QStringLiteral("UserListAsList"));

    // Back again from the other side; the list itself was not asked for again.
    swipe(start - QPoint(160, 0), 160);
    QTRY_COMPARE(nearby->tableStyle(), int(UserListViewController::GridStyle));
    QVERIFY(!nearby->flipFromRight());
    QCOMPARE(test().requestsTo("user_nearby.php"), 1);
    QCOMPARE(nearby->records()->count(), 20);
}

void tst_PeopleViews::keptNearbyComesBackAsItWasLeft()
{
    // The hub keeps its section screens between visits; a new view is made for each.
    QObject hub;
    UserListViewController *nearby = showNearby();
    nearby->setParent(&hub);
    QTRY_COMPARE(nearby->records()->count(), 20);
    QTRY_COMPARE(nearby->scroll()->topInset(), 0.0);
    QQuickItem *table = item(QStringLiteral("userTable"));
    QVERIFY(table);
    swipe(centreOf(table) + QPoint(80, 0), -160);
    QTRY_COMPARE(table->property("style").toInt(), int(UserListViewController::ListStyle));
    QTRY_VERIFY(!table->property("moving").toBool());
    const double place = 5 * nearby->listRowHeight();
    table->setProperty("contentY", table->property("originY").toReal() + place);
    QCOMPARE(nearby->scroll()->contentOffsetY(), place);

    QPointer<QQuickItem> left = table;
    show(new UserSearchViewController(test().context()));
    QTRY_VERIFY(left.isNull());
    show(nearby);
    QTRY_VERIFY((table = item(QStringLiteral("userTable"))));
    QVERIFY(client_->phone().waitUntilIdle());
    QCOMPARE(table->property("style").toInt(), int(UserListViewController::ListStyle));
    QCOMPARE(table->property("contentY").toReal() - table->property("originY").toReal(), place);
    QCOMPARE(nearby->scroll()->contentOffsetY(), place);
    QCOMPARE(test().requestsTo("user_nearby.php"), 1);

    // The first swipe turns the list into the grid.
    swipe(centreOf(table) - QPoint(80, 0), 160);
    QTRY_COMPARE(table->property("style").toInt(), int(UserListViewController::GridStyle));
    QCOMPARE(nearby->tableStyle(), int(UserListViewController::GridStyle));

    // The section's view goes before the hub does.
    left = table;
    show(new UserSearchViewController(test().context()));
    QTRY_VERIFY(left.isNull());
}

void tst_PeopleViews::gridAvatarOpensItsUser()
{
    UserListViewController *nearby = showNearby();
    QTRY_COMPARE(nearby->records()->count(), 20);
    // A press on a moving list only stops it: wait for the filter bar to slide away.
    QTRY_COMPARE(nearby->scroll()->topInset(), 0.0);
    QQuickItem *table = item(QStringLiteral("userTable"));
    QVERIFY(table);
    QTRY_VERIFY(!table->property("moving").toBool());
    QQuickItem *row = nullptr;
    QTRY_VERIFY((row = item(QStringLiteral("gridRow1"))));
    QQuickItem *avatar = nullptr;
    for (QQuickItem *child : row->childItems()) {
        if (child->objectName() == QStringLiteral("gridAvatar2"))
            avatar = child;
    }
    QVERIFY(avatar);
    QTest::mouseClick(window_, Qt::LeftButton, {}, centreOf(avatar));
    // Row 1, column 2: the seventh user of the reply.
    QTRY_COMPARE(test().router().last(),
                 QStringLiteral("userHome %1").arg(nearby->userAt(6)->userId));
    screenshot(QStringLiteral("UserListGrid"));
}

void tst_PeopleViews::homePageFromTheReply()
{
    test().replyFixture("home.php", "home_user67.json");
    User user;
    user.userId = 67;
    user.nickname = QStringLiteral("相册达人Ava");
    auto *home = new UserHomeViewController(test().context(), user);
    show(home);
    QTRY_COMPARE(home->photos().size(), 8);
    QQuickItem *follow = nullptr;
    QTRY_VERIFY((follow = item(QStringLiteral("followButton"))));
    screenshot(QStringLiteral("UserHomeView"));

    test().reply("home_follow_post.php",
                 ScriptedReply::json(R"({"status":1,"message":"关注成功"})"));
    QTest::mouseClick(window_, Qt::LeftButton, {}, centreOf(follow));
    QTRY_VERIFY(home->followed());
    QTRY_COMPARE(test()->alerts().alertTitle(), QStringLiteral("关注成功"));
    screenshot(QStringLiteral("UserHomeFollowedAlert"));
    QQuickItem *ok = nullptr;
    QTRY_VERIFY((ok = itemOfType("AlertButton")));
    QTest::mouseClick(window_, Qt::LeftButton, {}, centreOf(ok));
    QTRY_VERIFY(!test()->alerts().alertVisible());
    QTRY_VERIFY(item(QStringLiteral("followedButton")));

    show(new UserInfoViewController(test().context(), home->user()));
    screenshot(QStringLiteral("UserInfoView"));
}

void tst_PeopleViews::searchFormWithThePanel()
{
    auto *search = new UserSearchViewController(test().context());
    show(search);
    QQuickItem *city = nullptr;
    QTRY_VERIFY((city = item(QStringLiteral("cityChoice"))));
    screenshot(QStringLiteral("UserSearchView"));
    QTest::mouseClick(window_, Qt::LeftButton, {}, centreOf(city));
    QTRY_VERIFY(search->isPickerShown());
    QCOMPARE(search->selectedRow(), int(UserSearchViewController::RegionChoice));
    // The province's cities come into the second wheel before one is chosen there.
    search->pickerViewDidSelectRow(6, 0);
    QQuickItem *cities = item(QStringLiteral("secondWheel"));
    QVERIFY(cities);
    QTRY_COMPARE(cities->property("count").toInt(), 22);
    search->pickerViewDidSelectRow(4, 1);
    QTRY_COMPARE(cities->property("currentIndex").toInt(), 4);
    QQuickItem *provinces = item(QStringLiteral("firstWheel"));
    QVERIFY(provinces);
    QTRY_VERIFY(!provinces->property("moving").toBool() && !cities->property("moving").toBool());
    QCOMPARE(provinces->property("currentIndex").toInt(), 6);
    screenshot(QStringLiteral("UserSearchRegionPanel"));
    QQuickItem *done = item(QStringLiteral("pickerDone"));
    QVERIFY(done);
    QTest::mouseClick(window_, Qt::LeftButton, {}, centreOf(done));
    QTRY_COMPARE(search->cityText(), QStringLiteral("广州"));
    QVERIFY(!search->isPickerShown());
}

void tst_PeopleViews::viewerDoubleTapZoomsAndSingleTapShowsTheBars()
{
    auto *viewer = new KTPhotoScrollViewController(
        test().context(),
        std::make_unique<ImageDataSource>(ImageDataSource::fromAddresses(
            {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("c.jpg")})),
        1);
    show(viewer);
    QTRY_VERIFY(viewer->photoViewAt(1));
    QImage photo(900, 1600, QImage::Format_RGB32);
    photo.fill(QColor(60, 30, 120));
    KTPhotoView *page = viewer->photoViewAt(1);
    page->setImage(photo);
    QCOMPARE(viewer->title(), QStringLiteral("2/3"));
    screenshot(QStringLiteral("PhotoViewer"));

    QQuickItem *gestures = item(QStringLiteral("photoGestures"));
    QVERIFY(gestures);
    const QPoint point = centreOf(gestures) + QPoint(40, -60);
    QTest::mouseClick(window_, Qt::LeftButton, {}, point);
    QTest::mouseClick(window_, Qt::LeftButton, {}, point, 80);
    QTRY_VERIFY(page->isZoomed());
    QCOMPARE(page->zoomScale(), page->maximumZoomScale());
    // The double tap did not toggle the bars.
    QVERIFY(!viewer->isChromeHidden());
    screenshot(QStringLiteral("PhotoViewerZoomed"));

    viewer->hideChrome();
    QTest::mouseClick(window_, Qt::LeftButton, {}, point);
    QVERIFY(viewer->isChromeHidden());
    QTRY_VERIFY(!viewer->isChromeHidden());
    QVERIFY(page->isZoomed());

    // The toolbar's buttons over the photo take their own taps.
    QQuickItem *next = item(QStringLiteral("nextButton"));
    QVERIFY(next);
    QTest::mouseClick(window_, Qt::LeftButton, {}, centreOf(next));
    QTRY_COMPARE(viewer->currentIndex(), 2);
    QCOMPARE(viewer->title(), QStringLiteral("3/3"));
    QVERIFY(!viewer->nextEnabled());
    QVERIFY(!viewer->isChromeHidden());

    // The window turned on its side: the viewer lays itself out anew on the same photo.
    QVERIFY(client_->shell().isTurnable());
    window_->resize(480, 320);
    QTRY_COMPARE(viewer->stripWidth(), 480.0 + 40);
    QCOMPARE(viewer->stripHeight(), 300.0);
    QCOMPARE(viewer->currentIndex(), 2);
    QTRY_COMPARE(viewer->contentOffsetX(), 2 * 520.0);
    screenshot(QStringLiteral("PhotoViewerTurned"));

    // Leaving it, the window stands upright again.
    show(new UserSearchViewController(test().context()));
    QTRY_COMPARE(window_->size(), QSize(320, 480));
    QVERIFY(!client_->shell().isTurnable());
}

QTEST_MAIN(tst_PeopleViews)
#include "tst_people_views.moc"
