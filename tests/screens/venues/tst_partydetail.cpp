// The party page against a scripted API: the load on every appearance (never two at a
// time) replacing the party and filling the strips once, a reply without a party, the
// layout, liking, signing up with one tap or through the form, withdrawing after the
// question, actions while the page loads, the call sheet, the album, board and sharing.

#include "ClientTestContext.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/NavigationController.h"
#include "platform/UrlOpener.h"
#include "screens/venues/MyPartyListViewController.h"
#include "screens/venues/PartyDetailViewController.h"
#include "screens/venues/PartyListViewController.h"
#include "ui/TextMetrics.h"

#include <QTest>

namespace {

const QByteArray kOk = R"({"status":1,"message":""})";

// A party reply: pid 31 with `fields` added to (or replacing) its basic ones.
QByteArray partyShow(int isjoin, int joininfo = 1, int isfavor = 0)
{
    return QStringLiteral(R"({"status":1,"message":"","party":{"pid":"31","title":"年度摄影派对",)"
                          R"("favor":4,"count":3,"isjoin":%1,"joininfo":%2,"isfavor":%3,)"
                          R"("tel":"021-64155555"},"partyphotos":[],"partyfavors":[]})")
        .arg(isjoin)
        .arg(joininfo)
        .arg(isfavor)
        .toUtf8();
}

// Another screen over the page and gone again: the page reappears.
void coverAndUncover(AppContext &context)
{
    context.navigation().pushViewController(new ViewController(context), false);
    context.navigation().popViewController(false);
}

} // namespace

class PartyDetailTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test_ = std::make_unique<ClientTestContext>(); }
    void cleanup() { test_.reset(); }

    void loadFillsThePageAndTheStripsOnce()
    {
        test_->replyFixture("party_show.php", "party_show_31.json");
        // Opened from a push: the id alone, with defaults until the load answers.
        PartyDetailViewController *detail = show(Party::withId(31));
        QCOMPARE(detail->party().title, QString());
        QCOMPARE(detail->party().content, QStringLiteral("没有描述~"));
        QVERIFY(detail->isLoading());
        QTRY_VERIFY(!detail->isLoading());
        QCOMPARE(test_->lastFormOf("party_show.php"),
                 (QList<QPair<QString, QString>>{{"pid", "31"}}));
        QCOMPARE(detail->party().title, QStringLiteral("年度摄影派对"));
        QCOMPARE(detail->party().displayTime,
                 QStringLiteral("时间：12月11日 21:00~12月12日 02:00"));
        QCOMPARE(detail->party().img_big, QStringLiteral("http://img.nuvora.cn/560/pt31.jpg"));
        QCOMPARE(detail->party().favor, 4);
        QCOMPARE(detail->party().count, 3);
        QCOMPARE(detail->party().addr, QStringLiteral("衡山路8号"));
        QVERIFY(!detail->party().isjoin);
        QVERIFY(!detail->party().isfavor);

        TileStrip *photos = detail->photoStrip();
        QCOMPARE(photos->count(), 3);
        QCOMPARE(photos->placeholder(), QStringLiteral("placeholder-65-45.png"));
        QCOMPARE(photos->images().first(),
                 QStringLiteral("http://img.nuvora.cn/560/pp31_0.jpg!200"));
        QCOMPARE(detail->photoList().front().pid, QStringLiteral("201"));
        QCOMPARE(photos->tailX(), 210.0);
        QCOMPARE(detail->fansStrip()->count(), 2);

        photos->tileTapped(1);
        QCOMPARE(test_->router().last(), QStringLiteral("photoViewer 2 of 3"));
        QCOMPARE(test_->router().lastPhotoAddresses.at(1),
                 QStringLiteral("http://img.nuvora.cn/560/pp31_1.jpg"));
        photos->tailTapped();
        QCOMPARE(test_->router().last(), QStringLiteral("partyAlbum 31"));
        detail->fansStrip()->tileTapped(1);
        QCOMPARE(test_->router().last(), QStringLiteral("userHome 13"));
        detail->fansStrip()->tailTapped();
        QCOMPARE(test_->router().last(), QStringLiteral("partyFans 31"));

        // Later loads replace the party but keep the strips.
        test_->reply(
            "party_show.php",
            ScriptedReply::json(R"({"status":1,"message":"","party":{"pid":31,"title":"改名",)"
                                R"("favor":5},"partyphotos":[],"partyfavors":[]})"));
        coverAndUncover(test_->context());
        QTRY_COMPARE(detail->party().title, QStringLiteral("改名"));
        QCOMPARE(detail->party().favor, 5);
        QCOMPARE(photos->count(), 3);
        QCOMPARE(detail->fansStrip()->count(), 2);
    }

    void reloadsOnEveryAppearanceButNeverTwiceAtOnce()
    {
        test_->reply("party_show.php", ScriptedReply::json(partyShow(0)));
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(!detail->isLoading());
        QCOMPARE(test_->requestsTo("party_show.php"), 1);
        coverAndUncover(test_->context());
        QVERIFY(detail->isLoading());
        QTRY_COMPARE(test_->requestsTo("party_show.php"), 2);
        QTRY_VERIFY(!detail->isLoading());

        // Reappearing while a load is out sends no second one.
        ScriptedReply slow = ScriptedReply::json(partyShow(1));
        slow.delayMs = 300;
        test_->reply("party_show.php", slow);
        coverAndUncover(test_->context());
        coverAndUncover(test_->context());
        QTRY_VERIFY(!detail->isLoading());
        QCOMPARE(test_->requestsTo("party_show.php"), 3);
        QVERIFY(detail->party().isjoin);
    }

    void replyWithoutAPartyKeepsThePage()
    {
        test_->replyFixture("party_show.php", "party_show_31.json");
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(!detail->isLoading());
        for (const char *reply :
             {R"({"status":1,"message":"","party":{"pid":0,"title":"空"}})",
              R"({"status":1,"message":"","party":[]})", R"({"status":1,"message":""})"}) {
            test_->reply("party_show.php", ScriptedReply::json(reply));
            coverAndUncover(test_->context());
            QTRY_VERIFY(!detail->isLoading());
            QCOMPARE(detail->party().title, QStringLiteral("年度摄影派对"));
        }
        test_->reply("party_show.php",
                     ScriptedReply::json(R"({"status":0,"message":"活动不存在"})"));
        coverAndUncover(test_->context());
        QTRY_COMPARE(test_->context().alerts().alertTitle(), QStringLiteral("活动不存在"));
        QCOMPARE(detail->party().title, QStringLiteral("年度摄影派对"));
    }

    void descriptionAndCountDriveTheLayout()
    {
        test_->reply("party_show.php", ScriptedReply::json(R"({"status":1,"message":""})"));
        Party party = Party::withId(5);
        party.content = QString(QStringLiteral("夜色温柔，音乐从不停歇。")).repeated(12);
        party.favor = 999;
        PartyDetailViewController *detail = show(party);
        VenuePageLayout *layout = detail->layout();
        const double h = layout->descriptionHeight();
        QVERIFY(h > 5 * TextMetrics::sizeToFit(QStringLiteral("夜"), 14, 285).height());
        QCOMPARE(layout->descriptionY(), 451.0);
        QCOMPARE(layout->descriptionX(), 18.0);
        QCOMPARE(layout->descriptionPanelHeight(), h + 13);
        QCOMPARE(layout->bottomBlockY(), 445 + h + 13 + 8);
        QCOMPARE(layout->contentHeight(),
                 layout->bottomBlockY() + layout->bottomBlockHeight() + 20);
        const double countWidth = TextMetrics::sizeToFit("999", 12, 320).width();
        QCOMPARE(detail->floatLabelX(), PartyDetailViewController::kFavorLabelX + countWidth + 2);
    }

    void likeAndUnlike()
    {
        test_->reply("party_show.php", ScriptedReply::json(partyShow(0)));
        test_->reply("party_favor_post.php", ScriptedReply::json(kOk));
        test_->reply("party_favor_out.php", ScriptedReply::json(kOk));
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(!detail->isLoading());
        detail->favor();
        detail->favor();
        QVERIFY(detail->isActing());
        QTRY_VERIFY(detail->party().isfavor);
        QCOMPARE(test_->requestsTo("party_favor_post.php"), 1);
        QCOMPARE(test_->lastFormOf("party_favor_post.php"),
                 (QList<QPair<QString, QString>>{{"pid", "31"}}));
        QCOMPARE(test_->context().alerts().noticeText(), QStringLiteral("活动已喜欢"));
        detail->cancelFavor();
        QTRY_VERIFY(!detail->party().isfavor);
        QCOMPARE(test_->context().alerts().noticeText(), QStringLiteral("活动已取消喜欢"));

        test_->reply("party_favor_post.php",
                     ScriptedReply::json(R"({"status":0,"message":"操作太频繁"})"));
        detail->favor();
        QTRY_COMPARE(test_->context().alerts().alertTitle(), QStringLiteral("操作太频繁"));
        QVERIFY(!detail->party().isfavor);
    }

    void oneTapSignUp()
    {
        test_->reply("party_show.php", ScriptedReply::json(partyShow(0, 1)));
        test_->reply("party_join_post.php", ScriptedReply::json(kOk));
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(!detail->isLoading());
        detail->join();
        detail->join();
        QTRY_VERIFY(detail->party().isjoin);
        QCOMPARE(test_->requestsTo("party_join_post.php"), 1);
        QCOMPARE(test_->lastFormOf("party_join_post.php"),
                 (QList<QPair<QString, QString>>{{"pid", "31"}}));
        QCOMPARE(test_->context().alerts().noticeText(), QStringLiteral("已报名活动"));
        QCOMPARE(detail->party().count, 4);
        QVERIFY(test_->router().opened.isEmpty());
    }

    void oneTapFailureKeepsTheState()
    {
        test_->reply("party_show.php", ScriptedReply::json(partyShow(0, 1)));
        test_->reply("party_join_post.php",
                     ScriptedReply::json(R"({"status":0,"message":"活动已结束"})"));
        PartyDetailViewController *detail = show(Party::withId(29));
        QTRY_VERIFY(!detail->isLoading());
        detail->join();
        QTRY_COMPARE(test_->context().alerts().alertTitle(), QStringLiteral("活动已结束"));
        QVERIFY(!detail->party().isjoin);
    }

    void otherModesOpenTheForm_data()
    {
        QTest::addColumn<int>("joininfo");
        QTest::newRow("0") << 0;
        QTest::newRow("2") << 2;
    }

    void otherModesOpenTheForm()
    {
        QFETCH(int, joininfo);
        test_->reply("party_show.php", ScriptedReply::json(partyShow(0, joininfo)));
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(!detail->isLoading());
        detail->join();
        QCOMPARE(test_->router().last(), QStringLiteral("partyJoin 31"));
        QCOMPARE(test_->requestsTo("party_join_post.php"), 0);
    }

    void withdrawAsksFirst()
    {
        test_->reply("party_show.php", ScriptedReply::json(partyShow(1)));
        test_->reply("party_join_out.php", ScriptedReply::json(kOk));
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(!detail->isLoading());
        QVERIFY(detail->party().isjoin);
        AlertPresenter &alerts = test_->context().alerts();

        detail->cancelJoin();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("将为您取消报名，是否继续？"));
        QCOMPARE(alerts.alertButtons(), (QStringList{"否", "是"}));
        alerts.answer(0);
        QCOMPARE(test_->requestsTo("party_join_out.php"), 0);
        QVERIFY(detail->party().isjoin);

        detail->cancelJoin();
        alerts.answer(1);
        QTRY_VERIFY(!detail->party().isjoin);
        QCOMPARE(test_->lastFormOf("party_join_out.php"),
                 (QList<QPair<QString, QString>>{{"pid", "31"}}));
        QCOMPARE(alerts.noticeText(), QStringLiteral("活动已取消报名"));
    }

    void withdrawSharesItsSlotWithLike()
    {
        test_->reply("party_show.php", ScriptedReply::json(partyShow(1)));
        ScriptedReply slowLike = ScriptedReply::json(kOk);
        slowLike.delayMs = 300;
        test_->reply("party_favor_post.php", slowLike);
        test_->reply("party_join_out.php", ScriptedReply::json(kOk));
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(!detail->isLoading());
        detail->favor();
        detail->cancelJoin();
        test_->context().alerts().answer(1);
        QTRY_VERIFY(detail->party().isfavor);
        QCOMPARE(test_->requestsTo("party_join_out.php"), 0);
        QVERIFY(detail->party().isjoin);
    }

    void actionsWaitForTheLoad()
    {
        ScriptedReply slow = ScriptedReply::json(partyShow(1, 1));
        slow.delayMs = 300;
        test_->reply("party_show.php", slow);
        PartyDetailViewController *detail = show(Party::withId(31));
        QVERIFY(detail->isLoading());
        // The strips are not yet known to be empty.
        QVERIFY(!detail->stripNote().isEmpty());
        // Defaults: a one-tap party would open the form, a signed-up user be offered sign-up.
        detail->join();
        QCOMPARE(test_->context().alerts().noticeText(), QStringLiteral("正在加载活动信息"));
        detail->favor();
        detail->cancelJoin();
        QVERIFY(!test_->context().alerts().alertVisible());
        QVERIFY(test_->router().opened.isEmpty());
        QVERIFY(!detail->isActing());
        QTRY_VERIFY(!detail->isLoading());
        QVERIFY(detail->party().isjoin);
        QCOMPARE(detail->stripNote(), QString());

        // A question answered after a new load began sends nothing.
        test_->reply("party_show.php", slow);
        detail->cancelJoin();
        coverAndUncover(test_->context());
        QVERIFY(detail->isLoading());
        test_->context().alerts().answer(1);
        QVERIFY(!detail->isActing());
        QTRY_VERIFY(!detail->isLoading());
        QCOMPARE(test_->requestsTo("party_favor_post.php"), 0);
        QCOMPARE(test_->requestsTo("party_join_out.php"), 0);
        QCOMPARE(test_->requestsTo("party_join_post.php"), 0);
    }

    void ownActionsReachCountsStripsAndLists()
    {
        nuvora::json::Object me;
        me.set("uid", 2);
        me.set("nickname", "夜行者");
        test_->context().session().setDefaultUser(nuvora::json::Value(std::move(me)));
        const QByteArray signUps =
            R"({"status":1,"message":"","partys":[{"pid":"31","favor":4,"count":3,"isjoin":1},)"
            R"({"pid":"32","title":"别的活动","isjoin":1}]})";
        test_->reply("party.php", ScriptedReply::json(signUps));
        test_->reply("my_party_join.php", ScriptedReply::json(signUps));
        test_->reply("party_show.php", ScriptedReply::json(partyShow(1)));
        for (const char *script :
             {"party_favor_post.php", "party_join_out.php", "party_join_post.php"})
            test_->reply(script, ScriptedReply::json(kOk));
        auto *hub = new PartyListViewController(test_->context());
        test_->context().navigation().pushViewController(hub, false);
        hub->tabs()->press(PartyListViewController::MineTag);
        RecordListModel *hubMine = hub->tabs()->query(PartyListViewController::MineTag)->model();
        auto *own = new MyPartyListViewController(test_->context(),
                                                  *test_->context().session().defaultUser());
        test_->context().navigation().pushViewController(own, false);
        QTRY_COMPARE(own->records()->count(), 2);
        QTRY_COMPARE(hubMine->count(), 2);
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(detail->isLoaded());
        QCOMPARE(detail->fansStrip()->count(), 0);

        detail->favor();
        QTRY_VERIFY(detail->party().isfavor);
        QCOMPARE(detail->party().favor, 5);
        QCOMPARE(detail->fansStrip()->count(), 1);
        QCOMPARE(detail->favorUserList().front().userId, 2);
        QCOMPARE(own->records()->recordAt<Party>(0)->favor, 5);
        QCOMPARE(hub->records()->recordAt<Party>(0)->favor, 5);

        // Withdrawn: the count drops and the lists of the user's sign-ups let it go.
        const int listLoads = test_->requestsTo("my_party_join.php");
        detail->cancelJoin();
        test_->context().alerts().answer(1);
        QTRY_VERIFY(!detail->party().isjoin);
        QCOMPARE(detail->party().count, 2);
        QCOMPARE(own->records()->count(), 1);
        QCOMPARE(own->records()->recordAt<Party>(0)->pid, 32);
        QCOMPARE(hubMine->count(), 1);

        // Signed up again: both lists ask the server where it now stands.
        detail->join();
        QTRY_VERIFY(detail->party().isjoin);
        QCOMPARE(detail->party().count, 3);
        QTRY_COMPARE(test_->requestsTo("my_party_join.php"), listLoads + 2);
        QTRY_COMPARE(own->records()->count(), 2);
        QTRY_COMPARE(hubMine->count(), 2);
    }

    void anEndedPartyTakesNoSignUpOrWithdrawal()
    {
        // The fixture's party ends at 2036-12-12 02:00.
        Clock &clock = test_->context().clock();
        clock.setNow(QDateTime(QDate(2036, 12, 12), QTime(1, 59)));
        test_->replyFixture("party_show.php", "party_show_31.json");
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(detail->isLoaded());
        QVERIFY(!detail->hasEnded());

        clock.setNow(QDateTime(QDate(2036, 12, 12), QTime(2, 1)));
        coverAndUncover(test_->context());
        QTRY_VERIFY(!detail->isLoading());
        QVERIFY(detail->hasEnded());
        detail->join();
        detail->cancelJoin();
        QVERIFY(!test_->context().alerts().alertVisible());
        QCOMPARE(test_->requestsTo("party_join_post.php"), 0);
        QCOMPARE(test_->requestsTo("party_join_out.php"), 0);
    }

    void failedLoadLeavesThePageInertAndOffersAnother()
    {
        // Opened from a push; the load fails, so the page holds only defaults (sign-up
        // through the form, not joined) for a one-tap party the user already joined.
        test_->reply("party_show.php", ScriptedReply::json(R"({"status":0,"message":"网络错误"})"));
        PartyDetailViewController *detail = show(Party::withId(31));
        AlertPresenter &alerts = test_->context().alerts();
        QVERIFY(!detail->isReloadOffered());
        QTRY_VERIFY(alerts.alertVisible());
        alerts.answer(0);
        QVERIFY(!detail->isLoaded());
        QVERIFY(detail->isReloadOffered());
        detail->join();
        detail->cancelJoin();
        detail->favor();
        detail->cancelFavor();
        detail->makeACall();
        detail->weiboShare();
        detail->gotoDiscuss();
        QVERIFY(!alerts.alertVisible());
        QVERIFY(test_->router().opened.isEmpty());
        QCOMPARE(ClientTestContext::requestsInFlight(*detail), 0);
        QCOMPARE(test_->api().requests().size(), 1);

        test_->reply("party_show.php", ScriptedReply::json(partyShow(1, 1)));
        detail->reload();
        QVERIFY(!detail->isReloadOffered());
        QTRY_VERIFY(detail->isLoaded());
        QVERIFY(!detail->isReloadOffered());
        QVERIFY(detail->party().isjoin);
        // A later failed load keeps the page the user has been reading live.
        test_->reply("party_show.php", ScriptedReply::json(R"({"status":0,"message":"网络错误"})"));
        coverAndUncover(test_->context());
        QTRY_VERIFY(alerts.alertVisible());
        alerts.answer(0);
        QVERIFY(!detail->isReloadOffered());
        detail->cancelJoin();
        QCOMPARE(alerts.alertTitle(), PartyDetailViewController::kWithdrawQuestion);
    }

    void callBoardAndShare()
    {
        test_->reply("party_show.php", ScriptedReply::json(partyShow(0)));
        PartyDetailViewController *detail = show(Party::withId(31));
        QTRY_VERIFY(!detail->isLoading());
        AlertPresenter &alerts = test_->context().alerts();
        QVERIFY(detail->canCall());
        detail->makeACall();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("是否需要为您拨打021-64155555"));
        alerts.answer(0);
        QCOMPARE(test_->context().urlOpener().opened(),
                 QList<QUrl>{QUrl(QStringLiteral("tel:021-64155555"))});

        detail->weiboShare();
        alerts.answer(0);
        QCOMPARE(test_->router().last(), QStringLiteral("partyShare 31 0"));
        detail->gotoDiscuss();
        QCOMPARE(test_->router().last(), QStringLiteral("partyBoard 31"));

        Party unreachable = Party::withId(30);
        unreachable.tel = QStringLiteral("*#06#");
        test_->reply("party_show.php", ScriptedReply::json(kOk));
        PartyDetailViewController *other = show(unreachable);
        QVERIFY(!other->canCall());
        other->makeACall();
        QVERIFY(!alerts.alertVisible());
    }

private:
    PartyDetailViewController *show(Party party)
    {
        auto *detail = new PartyDetailViewController(test_->context(), std::move(party));
        test_->context().navigation().pushViewController(detail, false);
        return detail;
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(PartyDetailTest)
#include "tst_partydetail.moc"
