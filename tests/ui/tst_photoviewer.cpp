// The photo viewer's controller on a held clock: which pages are loaded and the title
// for any index a caller or the strip gives, the bars' timers and the tap / double-tap
// timing, zooming about a point, a zoomed photo panning to its edge before the strip
// pages, and a resized window keeping the page, the scrolled fraction and the zoom.

#include "TestContext.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/NavigationController.h"
#include "ui/ImageDataSource.h"
#include "ui/ImageDecoding.h"
#include "ui/KTPhotoScrollViewController.h"
#include "ui/KTPhotoView.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>

namespace {

// A portrait photo taller than the page in proportion: it fits by its height.
QImage portrait()
{
    QImage image(900, 1600, QImage::Format_RGB32);
    image.fill(Qt::darkMagenta);
    return image;
}

QStringList addresses(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("http://images.test/%1.jpg").arg(i);
    return list;
}

} // namespace

class tst_PhotoViewer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void indexesAreKeptWithinThePhotos_data();
    void indexesAreKeptWithinThePhotos();
    void scrollingLoadsNeighboursAndDropsTheRest();
    void barsHideAfterFiveSecondsAndOnDrag();
    void singleTapWaitsForASecondTap();
    void doubleTapZoomsAboutThePointAndBack();
    void pinchAndWheelStayWithinTheRange();
    void zoomedPhotoPansToItsEdgeBeforeTheStripPages();
    void pageOutOfSightIsFittedAgain();
    void resizeKeepsPageFractionAndZoom();
    void hugePhotosAreDecodedSmaller();

private:
    KTPhotoScrollViewController *open(int count, int index);
    KTPhotoView *pageWithPhoto(KTPhotoScrollViewController *viewer, int index);

    std::unique_ptr<TestContext> test_;
};

void tst_PhotoViewer::init()
{
    test_ = std::make_unique<TestContext>();
    (*test_)->clock().setNow(QDateTime(QDate(2026, 12, 8), QTime(23, 0)));
}

void tst_PhotoViewer::cleanup()
{
    test_.reset();
}

KTPhotoScrollViewController *tst_PhotoViewer::open(int count, int index)
{
    auto *viewer = new KTPhotoScrollViewController(
        test_->context(),
        std::make_unique<ImageDataSource>(ImageDataSource::fromAddresses(addresses(count))), index);
    (*test_)->navigation().setViewControllers({viewer}, false);
    return viewer;
}

KTPhotoView *tst_PhotoViewer::pageWithPhoto(KTPhotoScrollViewController *viewer, int index)
{
    KTPhotoView *page = viewer->photoViewAt(index);
    if (page)
        page->setImage(portrait());
    return page;
}

void tst_PhotoViewer::indexesAreKeptWithinThePhotos_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QList<int>>("loaded");
    QTest::newRow("last of five") << 5 << 4 << "5/5" << true << false << QList<int>{3, 4};
    QTest::newRow("stale index") << 5 << 5 << "5/5" << true << false << QList<int>{3, 4};
    QTest::newRow("far past the end") << 5 << 40 << "5/5" << true << false << QList<int>{3, 4};
    QTest::newRow("negative") << 5 << -1 << "1/5" << false << true << QList<int>{0, 1};
    QTest::newRow("middle") << 10 << 2 << "3/10" << true << true << QList<int>{1, 2, 3};
    QTest::newRow("one photo") << 1 << 0 << "1/1" << false << false << QList<int>{0};
    QTest::newRow("no photos") << 0 << 0 << "" << false << false << QList<int>{};
}

void tst_PhotoViewer::indexesAreKeptWithinThePhotos()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(QString, title);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    QFETCH(QList<int>, loaded);
    KTPhotoScrollViewController *viewer = open(count, start);
    QCOMPARE(viewer->title(), title);
    QCOMPARE(viewer->previousEnabled(), previous);
    QCOMPARE(viewer->nextEnabled(), next);
    QCOMPARE(viewer->loadedIndexes(), loaded);
    // The strip shows the page the title names.
    if (count > 0)
        QCOMPARE(viewer->contentOffsetX(), viewer->currentIndex() * viewer->stripWidth());
}

void tst_PhotoViewer::scrollingLoadsNeighboursAndDropsTheRest()
{
    KTPhotoScrollViewController *viewer = open(10, 2);
    const double page = viewer->stripWidth();
    QCOMPARE(page, 360.0);
    QCOMPARE(viewer->photoViewAt(2)->frame(), QRectF(2 * page + 20, 0, 320, 460));

    // Photo 3 to photo 4: 5 comes, 2 goes; halfway nothing changes yet.
    viewer->scrollViewDidScroll(2.5 * page);
    QCOMPARE(viewer->currentIndex(), 2);
    viewer->scrollViewDidScroll(3 * page);
    QCOMPARE(viewer->title(), QStringLiteral("4/10"));
    QCOMPARE(viewer->loadedIndexes(), QList<int>({2, 3, 4}));

    // A bounce past the first page reads as the first page.
    KTPhotoScrollViewController *first = open(5, 0);
    first->scrollViewDidScroll(-40);
    QCOMPARE(first->currentIndex(), 0);
    QCOMPARE(first->title(), QStringLiteral("1/5"));
    QCOMPARE(first->loadedIndexes(), QList<int>({0, 1}));
    // And one past the last page as the last.
    first->scrollViewDidScroll(4 * page + 50);
    QCOMPARE(first->title(), QStringLiteral("5/5"));
    QCOMPARE(first->loadedIndexes(), QList<int>({3, 4}));
}

void tst_PhotoViewer::barsHideAfterFiveSecondsAndOnDrag()
{
    Clock &clock = (*test_)->clock();
    KTPhotoScrollViewController *viewer = open(5, 1);
    QVERIFY(!viewer->isChromeHidden());
    clock.advanceMilliseconds(4999);
    QVERIFY(!viewer->isChromeHidden());
    clock.advanceMilliseconds(1);
    QVERIFY(viewer->isChromeHidden());

    // Next restarts the five seconds.
    viewer->showChrome();
    clock.advanceMilliseconds(3000);
    viewer->nextPhoto();
    QCOMPARE(viewer->scrollTargetX(), 2 * viewer->stripWidth());
    QVERIFY(viewer->scrollAnimated());
    clock.advanceMilliseconds(4000);
    QVERIFY(!viewer->isChromeHidden());
    clock.advanceMilliseconds(1000);
    QVERIFY(viewer->isChromeHidden());

    // A drag hides them at once.
    viewer->showChrome();
    viewer->scrollViewWillBeginDragging();
    QVERIFY(viewer->isChromeHidden());
    QVERIFY(!viewer->isChromeHideTimerActive());
}

void tst_PhotoViewer::singleTapWaitsForASecondTap()
{
    Clock &clock = (*test_)->clock();
    KTPhotoScrollViewController *viewer = open(3, 0);
    KTPhotoView *page = pageWithPhoto(viewer, 0);
    viewer->hideChrome();

    viewer->photoTapped(160, 230);
    clock.advanceMilliseconds(499);
    QVERIFY(viewer->isChromeHidden());
    clock.advanceMilliseconds(1);
    QVERIFY(!viewer->isChromeHidden());
    QVERIFY(!page->isZoomed());

    // A second tap within the half second zooms instead, and the bars stay as they are.
    viewer->photoTapped(160, 230);
    clock.advanceMilliseconds(300);
    viewer->photoTapped(160, 230);
    QVERIFY(page->isZoomed());
    clock.advanceMilliseconds(600);
    QVERIFY(!viewer->isChromeHidden());

    // Taps further apart are two single taps: the bars go and come back.
    viewer->photoTapped(160, 230);
    clock.advanceMilliseconds(600);
    QVERIFY(viewer->isChromeHidden());
    viewer->photoTapped(160, 230);
    clock.advanceMilliseconds(600);
    QVERIFY(!viewer->isChromeHidden());
    QVERIFY(page->isZoomed());
}

void tst_PhotoViewer::doubleTapZoomsAboutThePointAndBack()
{
    KTPhotoScrollViewController *viewer = open(3, 1);
    KTPhotoView *page = pageWithPhoto(viewer, 1);
    // 900 x 1600 in 320 x 460: the height decides.
    const double fit = 460.0 / 1600;
    QCOMPARE(page->minimumZoomScale(), fit);
    QCOMPARE(page->zoomScale(), fit);
    QCOMPARE(page->imageRect(), QRectF((320 - 900 * fit) / 2, 0, 900 * fit, 460));

    // The photo's point under the tap comes to the middle of the page, five times larger.
    const QPointF tap(150, 200);
    const QPointF photoPoint = (tap - page->imageRect().topLeft()) / fit;
    viewer->photoTapped(tap.x(), tap.y());
    viewer->photoTapped(tap.x(), tap.y());
    QCOMPARE(page->zoomScale(), 5 * fit);
    QVERIFY(page->zoomAnimated());
    const QRectF zoomed = page->imageRect();
    QCOMPARE(zoomed.size(), QSizeF(900, 1600) * 5 * fit);
    QCOMPARE(zoomed.topLeft() + photoPoint * 5 * fit, QPointF(160, 230));

    // Near an edge the photo stops at its edge instead of showing black beyond it.
    page->turnOffZoom();
    page->toggleZoom({page->imageRect().left() + 1, 1});
    QCOMPARE(page->imageRect().topLeft(), QPointF(0, 0));

    // Twice again: back to the whole photo.
    viewer->photoTapped(10, 10);
    viewer->photoTapped(10, 10);
    QCOMPARE(page->zoomScale(), fit);
    QVERIFY(!page->isZoomed());
}

void tst_PhotoViewer::pinchAndWheelStayWithinTheRange()
{
    KTPhotoScrollViewController *viewer = open(1, 0);
    KTPhotoView *page = pageWithPhoto(viewer, 0);
    const double fit = page->minimumZoomScale();

    // A pinch keeps the point between the fingers where it is.
    const QPointF about(200, 300);
    const QPointF photoPoint = (about - page->imageRect().topLeft()) / fit;
    viewer->pinchBy(2, about.x(), about.y());
    QCOMPARE(page->zoomScale(), 2 * fit);
    QCOMPARE(page->imageRect().topLeft() + photoPoint * 2 * fit, about);
    QVERIFY(!page->zoomAnimated());

    viewer->pinchBy(100, about.x(), about.y());
    QCOMPARE(page->zoomScale(), page->maximumZoomScale());
    viewer->pinchBy(0.001, about.x(), about.y());
    QCOMPARE(page->zoomScale(), fit);

    // Four notches of the wheel double the zoom; turned back they undo it.
    for (int notch = 0; notch < 4; ++notch)
        viewer->wheelBy(120, 160, 230);
    QCOMPARE(page->zoomScale(), 2 * fit);
    for (int notch = 0; notch < 4; ++notch)
        viewer->wheelBy(-120, 160, 230);
    QCOMPARE(page->zoomScale(), fit);

    // A photo smaller than the page shows at its own size and zooms up to five times.
    QImage small(100, 80, QImage::Format_RGB32);
    small.fill(Qt::red);
    page->setImage(small);
    QCOMPARE(page->minimumZoomScale(), 1.0);
    QCOMPARE(page->imageRect(), QRectF(110, 190, 100, 80));
    viewer->pinchBy(10, 160, 230);
    QCOMPARE(page->zoomScale(), 5.0);
}

void tst_PhotoViewer::zoomedPhotoPansToItsEdgeBeforeTheStripPages()
{
    KTPhotoScrollViewController *viewer = open(3, 1);
    KTPhotoView *page = pageWithPhoto(viewer, 1);
    const double start = viewer->contentOffsetX();
    viewer->photoTapped(160, 230);
    viewer->photoTapped(160, 230);
    // Centred: half of the extra width lies on each side.
    const double spare = (page->imageRect().width() - 320) / 2;
    QVERIFY(spare > 100);

    viewer->scrollViewWillBeginDragging();
    viewer->dragBy(-100, 0);
    QCOMPARE(viewer->contentOffsetX(), start);
    QCOMPARE(page->imageRect().left(), -spare - 100);

    // The rest of the photo, then 50 points of strip.
    viewer->dragBy(-(spare - 100) - 50, 0);
    QCOMPARE(page->imageRect().right(), 320.0);
    QCOMPARE(viewer->contentOffsetX(), start + 50);

    // Back the other way, the strip returns to its page before the photo pans again.
    viewer->dragBy(80, 0);
    QCOMPARE(viewer->contentOffsetX(), start);
    QCOMPARE(page->imageRect().left(), -2 * spare + 30);

    // Dragged well into the next page and let go: the strip goes on to it.
    viewer->dragBy(-30 - 200, 0);
    viewer->scrollViewDidEndDragging(-50);
    QCOMPARE(viewer->scrollTargetX(), 2 * viewer->stripWidth());
    QVERIFY(viewer->scrollAnimated());
    viewer->scrollViewDidScroll(viewer->scrollTargetX());
    QCOMPARE(viewer->title(), QStringLiteral("3/3"));

    // A short, slow drag on a fitted photo springs back; a fast one turns the page.
    viewer->scrollViewWillBeginDragging();
    viewer->dragBy(60, 0);
    viewer->scrollViewDidEndDragging(40);
    QCOMPARE(viewer->scrollTargetX(), 2 * viewer->stripWidth());
    viewer->scrollViewDidScroll(viewer->scrollTargetX());
    viewer->scrollViewWillBeginDragging();
    viewer->dragBy(60, 0);
    viewer->scrollViewDidEndDragging(900);
    QCOMPARE(viewer->scrollTargetX(), viewer->stripWidth());
}

void tst_PhotoViewer::pageOutOfSightIsFittedAgain()
{
    KTPhotoScrollViewController *viewer = open(5, 2);
    KTPhotoView *page = pageWithPhoto(viewer, 2);
    page->zoomBy(3, {160, 230});
    QVERIFY(page->isZoomed());
    // Still partly in view while the strip moves to the previous photo.
    viewer->scrollViewDidScroll(1.5 * viewer->stripWidth());
    QCOMPARE(viewer->currentIndex(), 1);
    QVERIFY(page->isZoomed());
    viewer->scrollViewDidScroll(1 * viewer->stripWidth());
    QVERIFY(!page->isZoomed());
}

void tst_PhotoViewer::resizeKeepsPageFractionAndZoom()
{
    KTPhotoScrollViewController *viewer = open(5, 2);
    KTPhotoView *page = pageWithPhoto(viewer, 2);
    page->zoomBy(2, {160, 230});
    const double scale = page->zoomScale();
    // Held a quarter of the way into the next page.
    viewer->scrollViewDidScroll(2.25 * viewer->stripWidth());

    viewer->setViewSize(480, 300);
    QCOMPARE(viewer->firstVisiblePageIndexBeforeRotation(), 2);
    QCOMPARE(viewer->percentScrolledIntoFirstVisiblePage(), 0.25);
    QCOMPARE(viewer->stripWidth(), 520.0);
    QCOMPARE(viewer->contentOffsetX(), 2.25 * 520);
    QCOMPARE(viewer->currentIndex(), 2);
    QCOMPARE(page->frame(), QRectF(2 * 520 + 20, 0, 480, 300));
    QCOMPARE(page->zoomScale(), scale);
    QVERIFY(page->isZoomed());

    // A fitted neighbour fits the new page.
    KTPhotoView *next = pageWithPhoto(viewer, 3);
    QCOMPARE(next->zoomScale(), 300.0 / 1600);
    viewer->setViewSize(320, 460);
    QCOMPARE(next->zoomScale(), 460.0 / 1600);
    QCOMPARE(viewer->contentOffsetX(), 2.25 * 360);
}

void tst_PhotoViewer::hugePhotosAreDecodedSmaller()
{
    auto decoded = [](const QSize &size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QBuffer buffer;
        buffer.open(QIODevice::ReadWrite);
        image.save(&buffer, "PNG");
        buffer.seek(0);
        QImageReader reader(&buffer);
        return ImageDecoding::read(reader).size();
    };
    QCOMPARE(decoded({8192, 20}), QSize(4096, 10));
    QCOMPARE(decoded({30, 6000}), QSize(20, 4096));
    QCOMPARE(decoded({4096, 3072}), QSize(4096, 3072));
}

QTEST_MAIN(tst_PhotoViewer)
#include "tst_photoviewer.moc"
