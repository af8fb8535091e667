// The club page against a scripted API: the load filling the page and its strips once,
// the layout driven by the description, liking during and after the load, the call
// sheet and its fallback where nothing dials, the map, the share sheet and the album.

#include "ClientTestContext.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/UrlOpener.h"
#include "screens/venues/ClubDetailViewController.h"
#include "ui/TelephoneCall.h"
#include "ui/TextMetrics.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace {

// A load's reply of club `clid` with `tel` at `lat`, `lng`.
ScriptedReply clubShow(int clid, const QString &tel, double lat = 31.2, double lng = 121.4)
{
    return ScriptedReply::json(
        QStringLiteral(R"({"status":1,"message":"","club":{"clid":"%1","name":"夜店%1",)"
                       R"("tel":"%2","lat":%3,"lng":%4}})")
            .arg(clid)
            .arg(tel)
            .arg(lat)
            .arg(lng)
            .toUtf8());
}

// A club the list knows by its id and name.
Club named(int clid)
{
    Club club = Club::withId(clid);
    club.name = QStringLiteral("夜店%1").arg(clid);
    return club;
}

} // namespace

class ClubDetailTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        test_ = std::make_unique<ClientTestContext>();
        test_->context().session().userLocation = QGeoCoordinate(31.2310, 121.4745);
    }
    void cleanup() { test_.reset(); }

    void loadFillsThePageAndTheStripsOnce()
    {
        test_->replyFixture("club_show.php", "club_show_31.json");
        // Opened from an advertisement: the id alone.
        ClubDetailViewController *detail = show(Club::withId(31));
        QCOMPARE(detail->club().name, QString());
        QVERIFY(detail->isLoading());
        QTRY_VERIFY(!detail->isLoading());
        QCOMPARE(test_->lastFormOf("club_show.php"),
                 (QList<QPair<QString, QString>>{{"clid", "31"}}));
        QCOMPARE(detail->club().name, QStringLiteral("千图馆 Gallery Lounge"));
        QCOMPARE(detail->club().tags, QStringLiteral("标签：爵士 精酿 "));
        QCOMPARE(detail->club().favor, 3);
        QCOMPARE(detail->club().img_big, QStringLiteral("http://img.nuvora.cn/560/cl31.jpg"));
        QVERIFY(!detail->club().isfavor);
        QVERIFY(detail->hasLocation());

        TileStrip *photos = detail->photoStrip();
        QCOMPARE(photos->count(), 8);
        QCOMPARE(photos->images().first(),
                 QStringLiteral("http://img.nuvora.cn/560/cp31_0.jpg!200"));
        QCOMPARE(detail->photoList().front().pid, QStringLiteral("113"));
        QCOMPARE(photos->tailImage(), QStringLiteral("club-checkmore-photo.png"));
        QCOMPARE(photos->tailX(), 560.0);
        QCOMPARE(photos->contentWidth(), 630.0);
        TileStrip *fans = detail->fansStrip();
        QCOMPARE(fans->count(), 3);
        QCOMPARE(fans->tailImage(), QStringLiteral("club-checkmore-favor.png"));
        QCOMPARE(fans->tailX(), 165.0);
        QCOMPARE(fans->contentWidth(), 220.0);

        photos->tileTapped(2);
        QCOMPARE(test_->router().last(), QStringLiteral("photoViewer 3 of 8"));
        QCOMPARE(test_->router().lastPhotoAddresses.at(2),
                 QStringLiteral("http://img.nuvora.cn/560/cp31_2.jpg"));
        photos->tailTapped();
        QCOMPARE(test_->router().last(), QStringLiteral("clubAlbum 31"));
        fans->tileTapped(0);
        QVERIFY(test_->router().last().startsWith(QLatin1String("userHome ")));
        fans->tailTapped();
        QCOMPARE(test_->router().last(), QStringLiteral("clubFans 31"));
        QCOMPARE(test_->requestsTo("club_show.php"), 1);
    }

    void emptyStripsEndInTheirOwnTile()
    {
        test_->reply("club_show.php",
                     ScriptedReply::json(R"({"status":1,"message":"","club":{"clid":29,)"
                                         R"("name":"地下室"},"clubphotos":[],"clubfavors":[]})"));
        ClubDetailViewController *detail = show(Club::withId(29));
        QTRY_COMPARE(detail->club().name, QStringLiteral("地下室"));
        for (TileStrip *strip : {detail->photoStrip(), detail->fansStrip()}) {
            QCOMPARE(strip->count(), 0);
            QCOMPARE(strip->tailX(), 0.0);
            QCOMPARE(strip->contentWidth(), strip->pitch());
            strip->tailTapped();
            strip->tileTapped(0);
        }
        QCOMPARE(detail->photoStrip()->tailImage(), QStringLiteral("club-nomore-photo.png"));
        QCOMPARE(detail->fansStrip()->tailImage(), QStringLiteral("club-nomore-favor.png"));
        QVERIFY(test_->router().opened.isEmpty());
    }

    void replyWithoutAClubKeepsTheOneShown()
    {
        test_->reply("club_show.php", ScriptedReply::json(R"({"status":1,"message":"",)"
                                                          R"("club":{"clid":0},"clubphotos":[)"
                                                          R"({"cpid":"1","img":"p"}]})"));
        ClubDetailViewController *detail = show(named(12));
        QTRY_VERIFY(!detail->isLoading());
        QCOMPARE(detail->club().name, QStringLiteral("夜店12"));
        QCOMPARE(detail->photoStrip()->count(), 1);

        test_->reply("club_show.php",
                     ScriptedReply::json(R"({"status":0,"message":"该夜店不存在"})"));
        ClubDetailViewController *second = show(named(13));
        QTRY_COMPARE(test_->context().alerts().alertTitle(), QStringLiteral("该夜店不存在"));
        QCOMPARE(second->club().name, QStringLiteral("夜店13"));
        test_->context().alerts().answer(0);

        // Neither load brought the user's own state: liking waits for one that does, which
        // the page offers.
        for (ClubDetailViewController *page : {detail, second}) {
            QVERIFY(!page->isLoaded());
            QVERIFY(page->isReloadOffered());
            page->favor();
            page->weiboShare();
        }
        QCOMPARE(test_->requestsTo("club_favor_post.php"), 0);
        QVERIFY(!test_->context().alerts().alertVisible());
        test_->reply("club_show.php", clubShow(13, "021-1"));
        second->reload();
        QVERIFY(!second->isReloadOffered());
        QTRY_VERIFY(second->isLoaded());
        QVERIFY(!second->isReloadOffered());
        test_->reply("club_favor_post.php", ScriptedReply::json(R"({"status":1,"message":""})"));
        second->favor();
        QTRY_VERIFY(second->club().isfavor);
    }

    void descriptionDrivesTheLayout()
    {
        Club shortClub = named(1);
        shortClub.content = QStringLiteral("安静的小酒馆。");
        ClubDetailViewController *brief = show(shortClub);
        Club longClub = named(2);
        longClub.content = QString(QStringLiteral("夜色温柔，音乐从不停歇。")).repeated(12);
        ClubDetailViewController *wordy = show(longClub);

        const double line = TextMetrics::sizeToFit(QStringLiteral("夜"), 14, 285).height();
        QVERIFY(line > 10 && line < 30);
        QCOMPARE(brief->layout()->descriptionHeight(), line);
        QVERIFY(wordy->layout()->descriptionHeight() > 5 * line);
        for (ClubDetailViewController *detail : {brief, wordy}) {
            const double h = detail->layout()->descriptionHeight();
            QCOMPARE(detail->layout()->descriptionY(), 434.0);
            QCOMPARE(detail->layout()->descriptionPanelHeight(), h + 13);
            QCOMPARE(detail->layout()->bottomBlockY(), 428 + h + 13 + 8);
            QCOMPARE(detail->layout()->contentHeight(),
                     428 + h + 13 + 8 + detail->layout()->bottomBlockHeight() + 20);
        }
        // Line breaks of the text count as lines.
        Club broken = named(3);
        broken.content = QStringLiteral("一\n二\n三");
        const double threeLines = show(broken)->layout()->descriptionHeight();
        QVERIFY(threeLines > 2 * line && threeLines <= 3 * line);
    }

    void likeAndUnlike()
    {
        nuvora::json::Object me;
        me.set("uid", 2);
        test_->context().session().setDefaultUser(nuvora::json::Value(std::move(me)));
        test_->replyFixture("club_show.php", "club_show_31.json");
        test_->reply("club_favor_post.php", ScriptedReply::json(R"({"status":1,"message":""})"));
        test_->reply("club_favor_out.php", ScriptedReply::json(R"({"status":1,"message":""})"));
        ClubDetailViewController *detail = show(Club::withId(31));

        // While the page loads, its reply would overwrite the user's choice; the user is
        // told why nothing happens, and the strips do not claim that nobody likes it.
        detail->favor();
        QCOMPARE(test_->context().alerts().noticeText(), QStringLiteral("正在加载夜店信息"));
        QVERIFY(!detail->stripNote().isEmpty());
        QTRY_VERIFY(!detail->isLoading());
        QCOMPARE(detail->stripNote(), QString());
        const int fans = detail->fansStrip()->count();
        QCOMPARE(test_->requestsTo("club_favor_post.php"), 0);
        QVERIFY(!detail->club().isfavor);

        detail->favor();
        detail->favor();
        QVERIFY(detail->isActing());
        QTRY_VERIFY(detail->club().isfavor);
        QCOMPARE(test_->requestsTo("club_favor_post.php"), 1);
        QCOMPARE(test_->lastFormOf("club_favor_post.php"),
                 (QList<QPair<QString, QString>>{{"clid", "31"}}));
        QCOMPARE(test_->context().alerts().noticeText(), QStringLiteral("夜店已喜欢"));
        // The user is among the fans at once.
        QCOMPARE(detail->club().favor, 4);
        QCOMPARE(detail->fansStrip()->count(), fans + 1);
        QCOMPARE(detail->favorUserList().front().userId, 2);

        detail->cancelFavor();
        QTRY_VERIFY(!detail->club().isfavor);
        QCOMPARE(detail->club().favor, 3);
        QCOMPARE(detail->fansStrip()->count(), fans);
        QCOMPARE(test_->context().alerts().noticeText(), QStringLiteral("夜店已取消喜欢"));

        test_->reply("club_favor_post.php",
                     ScriptedReply::json(R"({"status":0,"message":"操作太频繁"})"));
        detail->favor();
        QTRY_COMPARE(test_->context().alerts().alertTitle(), QStringLiteral("操作太频繁"));
        QVERIFY(!detail->club().isfavor);
    }

    void dialableNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("number");
        QTest::newRow("plain") << "021-62881234"
                               << "021-62881234";
        QTest::newRow("two numbers") << "021-64155555 13816668888"
                                     << "021-64155555,13816668888";
        QTest::newRow("words between") << "021-64155555 或 13816668888 021-64155555"
                                       << "021-64155555,13816668888";
        QTest::newRow("leading blank") << " 021-63210000"
                                       << "021-63210000";
        QTest::newRow("ideographic blank") << "\u3000(021)6321\u3000分机8"
                                           << "(021)6321";
        QTest::newRow("international") << "+86-21-6321"
                                       << "+86-21-6321";
        QTest::newRow("extension in the piece") << "021-62881234转808"
                                                << "";
        QTest::newRow("service code") << "*#06#"
                                      << "";
        QTest::newRow("plus inside") << "021+6321"
                                     << "";
        QTest::newRow("no digits") << "()-"
                                   << "";
        QTest::newRow("full-width digits") << "０２１"
                                           << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blanks") << "   "
                                << "";
    }

    void dialableNumbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, number);
        QCOMPARE(TelephoneCall::dialableNumbers(text).join(QLatin1Char(',')), number);
    }

    void callSheetDialsTheNumberShown()
    {
        ClubDetailViewController *detail = loaded(31, "021-64155555");
        QVERIFY(detail->canCall());
        AlertPresenter &alerts = test_->context().alerts();
        detail->makeACall();
        QVERIFY(alerts.isActionSheet());
        QCOMPARE(alerts.alertTitle(), QStringLiteral("是否需要为您拨打021-64155555"));
        QCOMPARE(alerts.alertButtons(), (QStringList{"拨打", "取消"}));
        alerts.answer(1);
        QVERIFY(test_->context().urlOpener().opened().isEmpty());

        detail->makeACall();
        alerts.answer(0);
        QCOMPARE(test_->context().urlOpener().opened(),
                 QList<QUrl>{QUrl(QStringLiteral("tel:021-64155555"))});
        QVERIFY(!alerts.alertVisible());

        // Two numbers: one button each, the first first; the mobile is dialled.
        ClubDetailViewController *two = loaded(33, "021-64155555 13816668888");
        two->makeACall();
        QCOMPARE(alerts.alertButtons(),
                 (QStringList{"拨打 021-64155555", "拨打 13816668888", "取消"}));
        alerts.answer(1);
        QCOMPARE(test_->context().urlOpener().opened().last(),
                 QUrl(QStringLiteral("tel:13816668888")));
    }

    void withoutADialerTheNumberIsShownAndCopied()
    {
        test_->context().urlOpener().setSchemesWithoutHandler({QStringLiteral("tel")});
        ClubDetailViewController *detail = loaded(32, "+86-21-63331111 分机2046");
        QGuiApplication::clipboard()->clear();
        detail->makeACall();
        test_->context().alerts().answer(0);
        AlertPresenter &alerts = test_->context().alerts();
        QVERIFY(alerts.alertVisible());
        QVERIFY(!alerts.isActionSheet());
        QCOMPARE(alerts.alertTitle(), QStringLiteral("+86-21-63331111"));
        QCOMPARE(alerts.alertMessage(), TelephoneCall::kNoDialer);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("+86-21-63331111"));
    }

    void refusedTelephoneOffersNoCall()
    {
        ClubDetailViewController *detail = loaded(29, "021-62881234转808");
        QVERIFY(!detail->canCall());
        detail->makeACall();
        QVERIFY(!test_->context().alerts().alertVisible());
    }

    void mapOpensOnlyForARealPosition()
    {
        loaded(27, "", 0, 0)->showLocation();
        loaded(28, "", 95, 20)->showLocation();
        QVERIFY(test_->router().opened.isEmpty());
        loaded(3, "", 31.2, 121.4)->showLocation();
        QCOMPARE(test_->router().last(), QStringLiteral("clubMap 3"));
    }

    void shareSheetAndBoard()
    {
        ClubDetailViewController *detail = loaded(8, "");
        AlertPresenter &alerts = test_->context().alerts();
        detail->weiboShare();
        QCOMPARE(alerts.alertButtons(), (QStringList{"分享到新浪微博", "分享到腾讯微博", "取消"}));
        alerts.answer(2);
        QVERIFY(test_->router().opened.isEmpty());
        detail->weiboShare();
        alerts.answer(1);
        QCOMPARE(test_->router().last(), QStringLiteral("clubShare 8 1"));
        detail->gotoDiscuss();
        QCOMPARE(test_->router().last(), QStringLiteral("clubBoard 8"));
    }

private:
    // The page of club `clid` once its load has brought it.
    ClubDetailViewController *loaded(int clid, const QString &tel, double lat = 31.2,
                                     double lng = 121.4)
    {
        test_->reply("club_show.php", clubShow(clid, tel, lat, lng));
        ClubDetailViewController *detail = show(Club::withId(clid));
        if (!QTest::qWaitFor([detail] { return detail->isLoaded(); }))
            QTest::qFail("the page's load never came", __FILE__, __LINE__);
        return detail;
    }

    ClubDetailViewController *show(Club club)
    {
        auto *detail = new ClubDetailViewController(test_->context(), std::move(club));
        test_->context().navigation().pushViewController(detail, false);
        return detail;
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(ClubDetailTest)
#include "tst_clubdetail.moc"
