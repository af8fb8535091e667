// The club list against a scripted API: the three tabs' own requests and the search
// button, the footer, and the advertisement banner (built at once or when the
// advertisements arrive) with its taps.

#include "ClientTestContext.h"
#include "api/json/JsonReader.h"
#include "model/Advertisement.h"
#include "model/Club.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "screens/venues/ClubListViewController.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QTest>

namespace {

// A "clubs" reply of `count` clubs with ids from `firstId`.
QByteArray clubsReply(int count, int firstId = 100)
{
    QByteArray clubs;
    for (int i = 0; i < count; ++i) {
        clubs += (i ? "," : "")
                 + QStringLiteral(R"({"clid":"%1","name":"夜店%1","lat":31.2,"lng":121.4})")
                       .arg(firstId + i)
                       .toUtf8();
    }
    return R"({"status":1,"message":"","clubs":[)" + clubs + "]}";
}

Advertisement adsWithClubs(const QByteArray &clubItems)
{
    const auto value = nuvora::json::JsonReader().objectWithData(
        R"({"index":{"img":"","url":""},"club":)" + clubItems.toStdString() + R"(,"party":[]})");
    return Advertisement(*value);
}

} // namespace

class ClubListTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        test_ = std::make_unique<ClientTestContext>();
        test_->context().session().userLocation = QGeoCoordinate(31.2310, 121.4745);
    }
    void cleanup() { test_.reset(); }

    void nearbyListLoadsWithDistances()
    {
        test_->replyFixture("club.php", "clubs_nearby.json");
        ClubListViewController *list = show();
        QTRY_COMPARE(list->records()->count(), 10);
        const auto form = test_->lastFormOf("club.php");
        QCOMPARE(ClientTestContext::formValue(form, "sort"), QStringLiteral("nearby"));
        QCOMPARE(ClientTestContext::formValue(form, "page"), QStringLiteral("1"));
        const Club first = *list->records()->recordAt<Club>(0);
        QCOMPARE(first.name, QStringLiteral("Myst"));
        QCOMPARE(first.distance, QStringLiteral("1.38km"));
        QCOMPARE(first.img, QStringLiteral("http://img.nuvora.cn/560/cl8.jpg!200"));

        list->selectRow(2);
        QCOMPARE(test_->router().last(), QStringLiteral("club 19"));
        list->selectRow(10);
        QCOMPARE(test_->router().opened.size(), 1);
    }

    void tabsAskTheirOwnListsAndSearchOpensTheForm()
    {
        test_->reply("club.php", ScriptedReply::json(clubsReply(2)));
        test_->replyFixture("my_club_favor.php", "clubs_favor.json");
        ClubListViewController *list = show();
        QTRY_COMPARE(list->records()->count(), 2);

        list->tabs()->press(ClubListViewController::TopTag);
        QTRY_COMPARE(list->records()->count(), 2);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("club.php"), "sort"),
                 QStringLiteral("top"));
        list->tabs()->press(ClubListViewController::FavoritesTag);
        QTRY_COMPARE(list->records()->count(), 1);
        QCOMPARE(test_->lastFormOf("my_club_favor.php"),
                 (QList<QPair<QString, QString>>{{"page", "1"}}));

        // The search opens the form and leaves the list as it is.
        list->tabs()->press(ClubListViewController::SearchTag);
        QCOMPARE(test_->router().last(), QStringLiteral("clubSearch"));
        QCOMPARE(list->tabs()->shownTag(), int(ClubListViewController::FavoritesTag));
        QCOMPARE(test_->requestsTo("club.php"), 2);

        // A club let go on its page leaves the favourites; one liked there loads them again.
        Club favourite = *list->records()->recordAt<Club>(0);
        favourite.isfavor = 0;
        test_->context().notifications().post(NotificationNames::clubChanged,
                                              QVariant::fromValue(favourite));
        QCOMPARE(list->records()->count(), 0);
        favourite.isfavor = 1;
        test_->context().notifications().post(NotificationNames::clubChanged,
                                              QVariant::fromValue(favourite));
        QTRY_COMPARE(list->records()->count(), 1);
        QCOMPARE(test_->requestsTo("my_club_favor.php"), 2);
    }

    void emptyPageEndsPagingAndAFailureKeepsTheRows()
    {
        test_->reply("club.php", ScriptedReply::json(clubsReply(1)));
        ClubListViewController *list = show();
        QTRY_COMPARE(list->records()->count(), 1);
        QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("上拉加载更多"));

        test_->reply("club.php", ScriptedReply::json(R"({"status":0,"message":"服务器忙"})"));
        list->loadMore();
        QTRY_COMPARE(test_->context().alerts().alertTitle(), QStringLiteral("服务器忙"));
        QCOMPARE(list->records()->count(), 1);
        test_->context().alerts().answer(0);

        test_->reply("club.php", ScriptedReply::json(clubsReply(0)));
        list->loadMore();
        QTRY_VERIFY(!list->canLoadMore());
        QCOMPARE(list->loadMoreFooterView()->infoText(), QStringLiteral("已加载完全部"));
        QCOMPARE(list->records()->count(), 1);
    }

    void bannerFromTheSessionAndItsTaps()
    {
        test_->context().session().setAds(
            adsWithClubs(R"([{"img":"a","id":"5"},{"img":"b","id":"x5"},{"img":"c","id":-3},)"
                         R"({"img":"d","id":7}])"));
        test_->reply("club.php", ScriptedReply::json(clubsReply(1)));
        ClubListViewController *list = show();
        QVERIFY(list->adsHeader()->view());
        QCOMPARE(list->adsHeader()->view()->pages(), 4);

        emit list->adsHeader()->view()->clickWhichADButton(0);
        QCOMPARE(test_->router().last(), QStringLiteral("clubWithId 5"));
        // Ids that are not positive whole numbers name no club.
        emit list->adsHeader()->view()->clickWhichADButton(1);
        emit list->adsHeader()->view()->clickWhichADButton(2);
        QCOMPARE(test_->router().opened.size(), 1);
        // The extra page stands for the first item.
        list->adsHeader()->view()->adButtonTapped(4);
        QCOMPARE(test_->router().last(), QStringLiteral("clubWithId 5"));
        list->adsHeader()->itemTapped(3);
        QCOMPARE(test_->router().last(), QStringLiteral("clubWithId 7"));
    }

    void bannerArrivesWithTheAdvertisements()
    {
        test_->reply("club.php", ScriptedReply::json(clubsReply(1)));
        ClubListViewController *list = show();
        QVERIFY(!list->adsHeader()->view());

        // An advertisement set without clubs still leaves the list without a banner.
        test_->context().session().setAds(adsWithClubs("[]"));
        test_->context().notifications().post(NotificationNames::adReceived);
        QVERIFY(!list->adsHeader()->view());

        test_->context().session().setAds(adsWithClubs(R"([{"img":"a","id":9}])"));
        test_->context().notifications().post(NotificationNames::adReceived);
        QPointer<ADsView> banner = list->adsHeader()->view();
        QVERIFY(banner);
        QCOMPARE(banner->pages(), 1);
        // A second notification keeps the banner shown.
        test_->context().notifications().post(NotificationNames::adReceived);
        QCOMPARE(list->adsHeader()->view(), banner.data());
        list->adsHeader()->itemTapped(0);
        QCOMPARE(test_->router().last(), QStringLiteral("clubWithId 9"));
    }

    void filterBarShowsAtLoadThenHides()
    {
        test_->reply("club.php", ScriptedReply::json(clubsReply(1)));
        auto *list = new ClubListViewController(test_->context());
        list->setFilterBarTimings(50, 100);
        test_->context().navigation().setViewControllers({list}, false);
        QCOMPARE(list->scroll()->topInset(), BLKTableViewController::kFilterBarInset);
        QTRY_COMPARE(list->scroll()->topInset(), 0.0);
        // A pull of 40 points shows it again, for the longer time.
        list->scroll()->setDragging(true);
        list->scroll()->setContentOffsetY(-45);
        list->scroll()->setDragging(false);
        list->scrollViewDidEndDragging(false);
        QCOMPARE(list->scroll()->topInset(), BLKTableViewController::kFilterBarInset);
        QTRY_COMPARE(list->scroll()->topInset(), 0.0);
        QCOMPARE(test_->requestsTo("club.php"), 1);
    }

private:
    ClubListViewController *show()
    {
        auto *list = new ClubListViewController(test_->context());
        for (int tag : {ClubListViewController::NearbyTag, ClubListViewController::TopTag,
                        ClubListViewController::FavoritesTag}) {
            new QAbstractItemModelTester(list->tabs()->query(tag)->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest,
                                         list);
        }
        test_->context().navigation().setViewControllers({list}, false);
        return list;
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(ClubListTest)
#include "tst_clublist.moc"
