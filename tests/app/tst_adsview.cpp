// The advertisement banner: pages, the extra page, the timers and the wrap-around.

#include "app/ADsView.h"
#include "model/Advertisement.h"

#include <QSignalSpy>
#include <QTest>

namespace {

std::vector<AdItem> itemsOf(int count)
{
    std::vector<AdItem> items;
    for (int i = 0; i < count; ++i)
        items.push_back({QStringLiteral("http://img/ad%1.jpg").arg(i), 100 + i});
    return items;
}

} // namespace

class ADsViewTest : public QObject {
    Q_OBJECT
private slots:
    void threeItemsMakeFourPagesWithTheFirstRepeated()
    {
        ADsView banner(itemsOf(3));
        QCOMPARE(banner.pages(), 3);
        QCOMPARE(banner.pageImages(), QStringList({"http://img/ad0.jpg", "http://img/ad1.jpg",
                                                   "http://img/ad2.jpg", "http://img/ad0.jpg"}));
        QVERIFY(banner.timerRunning());
        QCOMPARE(banner.timerInterval(), ADsView::kAutoAdvanceMs);

        QSignalSpy clicks(&banner, &ADsView::clickWhichADButton);
        banner.adButtonTapped(3);
        banner.adButtonTapped(2);
        QCOMPARE(clicks.at(0).at(0).toInt(), 0);
        QCOMPARE(clicks.at(1).at(0).toInt(), 2);
        QVERIFY(!banner.timerRunning()); // a tap stops the rotation
    }

    void timerAdvancesAndWrapsToTheFirstPage()
    {
        ADsView banner(itemsOf(3));
        QSignalSpy scrolls(&banner, &ADsView::scrollRequested);
        banner.animateADs();
        QCOMPARE(scrolls.last().at(0).toDouble(), 320.0);
        QVERIFY(scrolls.last().at(1).toBool());
        QCOMPARE(banner.currentPage(), 1);
        banner.animateADs();
        banner.animateADs();
        QCOMPARE(scrolls.last().at(0).toDouble(), 0.0);
        QCOMPARE(banner.currentPage(), 0);

        ADsView single(itemsOf(1));
        QSignalSpy singleScrolls(&single, &ADsView::scrollRequested);
        single.animateADs();
        single.animateADs();
        QCOMPARE(singleScrolls.size(), 2);
        QCOMPARE(singleScrolls.last().at(0).toDouble(), 0.0);
        QCOMPARE(single.pageImages().size(), 2);
    }

    void scrollingPastTheEndsJumps()
    {
        ADsView banner(itemsOf(3));
        QSignalSpy scrolls(&banner, &ADsView::scrollRequested);
        banner.scrollViewDidScroll(-5);
        QCOMPARE(scrolls.last().at(0).toDouble(), 960.0);
        QVERIFY(!scrolls.last().at(1).toBool());
        QCOMPARE(banner.currentPage(), 0); // the extra page shows item 0
        banner.scrollViewDidScroll(970);
        QCOMPARE(scrolls.last().at(0).toDouble(), 0.0);
        banner.scrollViewDidScroll(640);
        QCOMPARE(banner.currentPage(), 2);
        banner.scrollViewDidScroll(700); // between pages the indicator stays
        QCOMPARE(banner.currentPage(), 2);

        // Decelerating on the extra page jumps back to the first.
        banner.scrollViewDidScroll(960);
        const int before = int(scrolls.size());
        banner.scrollViewWillBeginDecelerating();
        QCOMPARE(scrolls.size(), before + 1);
        QCOMPARE(scrolls.last().at(0).toDouble(), 0.0);
    }

    void dragPausesTheRotationAndRestartsItFaster()
    {
        ADsView banner(itemsOf(2));
        banner.scrollViewWillBeginDragging();
        QVERIFY(!banner.timerRunning());
        banner.scrollViewDidEndDragging();
        QVERIFY(banner.timerRunning());
        QCOMPARE(banner.timerInterval(), ADsView::kAfterDragMs);

        banner.setTimerIntervals(20, 10);
        QSignalSpy scrolls(&banner, &ADsView::scrollRequested);
        QTRY_VERIFY(scrolls.size() >= 2);
    }

    void advertisementReadsTheOptionReply()
    {
        nuvora::json::Object index;
        index.set("img", "http://img/index.jpg");
        index.set("url", "http://example.com/");
        nuvora::json::Object club;
        club.set("img", "http://img/c.jpg");
        club.set("id", "17");
        nuvora::json::Object guanggao;
        guanggao.set("index", std::move(index));
        guanggao.set("club", nuvora::json::Array{club, "junk"});
        const Advertisement ads{nuvora::json::Value(std::move(guanggao))};
        QCOMPARE(ads.indexImg, QStringLiteral("http://img/index.jpg"));
        QCOMPARE(ads.indexURL, QStringLiteral("http://example.com/"));
        QCOMPARE(ads.clubs.size(), size_t(1));
        QCOMPARE(ads.clubs[0].id, 17);
        QVERIFY(ads.parties.empty());
    }
};

QTEST_GUILESS_MAIN(ADsViewTest)
#include "tst_adsview.moc"
