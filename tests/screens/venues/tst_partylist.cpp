// The party lists against a scripted API: the current and own lists with their own rows
// and pages across switches, a reply that arrives after a switch, the refresh button and
// the inert pull, the rows' sized fans count, the banner of party advertisements, and a
// user's own list sent with the user's id.

#include "ClientTestContext.h"
#include "api/json/JsonReader.h"
#include "model/Advertisement.h"
#include "model/Party.h"
#include "model/Session.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "screens/venues/MyPartyListViewController.h"
#include "screens/venues/PartyListViewController.h"
#include "ui/TextMetrics.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

// A "partys" reply of `count` parties with ids from `firstId`.
QByteArray partiesReply(int count, int firstId = 100)
{
    QByteArray parties;
    for (int i = 0; i < count; ++i) {
        parties += (i ? "," : "")
                   + QStringLiteral(R"({"pid":"%1","title":"活动%1","favor":%1})")
                         .arg(firstId + i)
                         .toUtf8();
    }
    return R"({"status":1,"message":"","partys":[)" + parties + "]}";
}

Advertisement adsWithParties(const QByteArray &partyItems)
{
    const auto value = nuvora::json::JsonReader().objectWithData(
        R"({"index":{"img":"","url":""},"club":[],"party":)" + partyItems.toStdString() + "}");
    return Advertisement(*value);
}

} // namespace

class PartyListTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test_ = std::make_unique<ClientTestContext>(); }
    void cleanup() { test_.reset(); }

    void currentPartiesLoadAndOpen()
    {
        test_->replyFixture("party.php", "partys_current.json");
        PartyListViewController *list = show();
        QTRY_COMPARE(list->records()->count(), 3);
        QCOMPARE(test_->lastFormOf("party.php"), (QList<QPair<QString, QString>>{{"page", "1"}}));
        const Party second = *list->records()->recordAt<Party>(1);
        QCOMPARE(second.displayTime, QStringLiteral("时间：12月09日 21:00~12月10日 02:00"));
        QCOMPARE(second.favor, 128);
        QCOMPARE(second.content, Party::kNoContent);

        list->selectRow(2);
        QCOMPARE(test_->router().last(), QStringLiteral("partyDetail 3"));
        list->selectRow(3);
        QCOMPARE(test_->router().opened.size(), 1);
    }

    void listsKeepTheirRowsAndPagesAcrossSwitches()
    {
        test_->reply("party.php", ScriptedReply::json(partiesReply(2)));
        test_->reply("my_party_join.php", ScriptedReply::json(partiesReply(1, 500)));
        PartyListViewController *list = show();
        QTRY_COMPARE(list->records()->count(), 2);
        test_->reply("party.php", ScriptedReply::json(partiesReply(2, 200)));
        list->loadMore();
        QTRY_COMPARE(list->records()->count(), 4);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("party.php"), "page"),
                 QStringLiteral("2"));

        // Mine: its own first page, without a user named.
        list->performFilter(PartyListViewController::MineTag);
        QCOMPARE(list->partyType(), int(PartyListViewController::Mine));
        QCOMPARE(list->records()->count(), 0);
        QTRY_COMPARE(list->records()->count(), 1);
        QCOMPARE(test_->lastFormOf("my_party_join.php"),
                 (QList<QPair<QString, QString>>{{"page", "1"}}));

        // Back to the current parties: the rows at once, no request, the page kept.
        const int sent = test_->requestsTo("party.php");
        list->performFilter(PartyListViewController::CurrentTag);
        QCOMPARE(list->records()->count(), 4);
        QCOMPARE(test_->requestsTo("party.php"), sent);
        test_->reply("party.php", ScriptedReply::json(partiesReply(1, 300)));
        list->loadMore();
        QTRY_COMPARE(list->records()->count(), 5);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("party.php"), "page"),
                 QStringLiteral("3"));

        // Mine again keeps its row; the shown filter and other tags do nothing.
        list->performFilter(PartyListViewController::MineTag);
        QCOMPARE(list->records()->count(), 1);
        list->performFilter(PartyListViewController::MineTag);
        list->performFilter(1024);
        QCOMPARE(list->partyType(), int(PartyListViewController::Mine));
        QCOMPARE(test_->requestsTo("my_party_join.php"), 1);
        QCOMPARE(test_->requestsTo("party.php"), sent + 1);
    }

    void lateReplyLandsInItsOwnList()
    {
        ScriptedReply slow = ScriptedReply::json(partiesReply(3));
        slow.delayMs = 300;
        test_->reply("party.php", slow);
        test_->reply("my_party_join.php", ScriptedReply::json(partiesReply(1, 500)));
        PartyListViewController *list = show();
        QVERIFY(list->busy());
        // The current page is still on its way when the user turns to their own.
        list->performFilter(PartyListViewController::MineTag);
        QTRY_VERIFY(!list->parties(PartyListViewController::Current)->busy());
        QTRY_VERIFY(!list->busy());
        QCOMPARE(list->records()->count(), 1);
        QCOMPARE(list->records()->recordAt<Party>(0)->pid, 500);
        QCOMPARE(list->parties(PartyListViewController::Current)->model()->count(), 3);
    }

    void refreshButtonReloadsAndThePullOnlyShowsTheBar()
    {
        test_->reply("party.php", ScriptedReply::json(partiesReply(3)));
        auto *list = new PartyListViewController(test_->context());
        list->setFilterBarTimings(50, 100);
        test_->context().navigation().setViewControllers({list}, false);
        QCOMPARE(list->scroll()->topInset(), BLKTableViewController::kFilterBarInset);
        QTRY_COMPARE(list->records()->count(), 3);
        QTRY_COMPARE(list->scroll()->topInset(), 0.0);

        list->scroll()->setDragging(true);
        list->scroll()->setContentOffsetY(-45);
        list->scroll()->setDragging(false);
        list->scrollViewDidEndDragging(false);
        QCOMPARE(list->scroll()->topInset(), BLKTableViewController::kFilterBarInset);
        QTRY_COMPARE(list->scroll()->topInset(), 0.0);
        QCOMPARE(test_->requestsTo("party.php"), 1);

        test_->reply("party.php", ScriptedReply::json(partiesReply(0)));
        list->loadMore();
        QTRY_VERIFY(!list->canLoadMore());
        test_->reply("party.php", ScriptedReply::json(partiesReply(2, 400)));
        list->refreshButtonTapped();
        QTRY_COMPARE(list->records()->count(), 2);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("party.php"), "page"),
                 QStringLiteral("1"));
        QVERIFY(list->canLoadMore());
    }

    void favorCountIsSizedAndItsDecorationFollows()
    {
        test_->reply("party.php", ScriptedReply::json(partiesReply(0)));
        PartyListViewController *list = show();
        const int size = PartyTableViewController::kCountFontSize;
        const double one = list->favorLabelWidth(7);
        const double three = list->favorLabelWidth(999);
        QCOMPARE(one, TextMetrics::sizeToFit("7", size, 320).width());
        QVERIFY(three > 2.5 * one);
        QCOMPARE(list->floatLabelX(999), PartyTableViewController::kFavorLabelX + three + 2);
        QCOMPARE(list->floatLabelX(7), PartyTableViewController::kFavorLabelX + one + 2);
        QCOMPARE(list->rowHeight(), 118.0);
    }

    void bannerOfPartyAdvertisements()
    {
        test_->reply("party.php", ScriptedReply::json(partiesReply(1)));
        PartyListViewController *list = show();
        QVERIFY(!list->adsHeaderView());
        test_->context().session().setAds(
            adsWithParties(R"([{"img":"a","id":"31"},{"img":"b","id":"3.5"},{"img":"c","id":0}])"));
        test_->context().notifications().post(NotificationNames::adReceived);
        QVERIFY(list->adsHeaderView());
        QCOMPARE(list->adsHeaderView()->pages(), 3);

        emit list->adsHeaderView()->clickWhichADButton(0);
        QCOMPARE(test_->router().last(), QStringLiteral("party 31"));
        // Ids that are not positive whole numbers name no party.
        list->clickWhichADButton(1);
        list->clickWhichADButton(2);
        list->clickWhichADButton(7);
        QCOMPARE(test_->router().opened.size(), 1);

        // A list opened with the advertisements at hand has its banner at once.
        PartyListViewController *second = show();
        QVERIFY(second->adsHeaderView());
    }

    void aUsersOwnPartiesGoByTheUsersId()
    {
        User someone;
        someone.userId = 42;
        test_->reply("my_party_join.php", ScriptedReply::json(partiesReply(2)));
        auto *list = new MyPartyListViewController(test_->context(), someone);
        test_->context().navigation().setViewControllers({list}, false);
        QTRY_COMPARE(list->records()->count(), 2);
        QCOMPARE(test_->lastFormOf("my_party_join.php"),
                 (QList<QPair<QString, QString>>{{"page", "1"}, {"pid", "42"}}));
        QVERIFY(!list->ownParties());

        test_->reply("my_party_join.php", ScriptedReply::json(partiesReply(1, 300)));
        list->loadMore();
        QTRY_COMPARE(list->records()->count(), 3);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("my_party_join.php"), "page"),
                 QStringLiteral("2"));
        // Pulling it asks for the first page.
        test_->reply("my_party_join.php", ScriptedReply::json(partiesReply(1, 700)));
        list->refresh();
        QTRY_COMPARE(list->records()->count(), 1);
        QCOMPARE(ClientTestContext::formValue(test_->lastFormOf("my_party_join.php"), "page"),
                 QStringLiteral("1"));
        list->selectRow(0);
        QCOMPARE(test_->router().last(), QStringLiteral("partyDetail 700"));
    }

private:
    PartyListViewController *show()
    {
        auto *list = new PartyListViewController(test_->context());
        for (PartyListViewController::PartyType type :
             {PartyListViewController::Current, PartyListViewController::Mine}) {
            new QAbstractItemModelTester(list->parties(type)->model(),
                                         QAbstractItemModelTester::FailureReportingMode::QtTest,
                                         list);
        }
        test_->context().navigation().setViewControllers({list}, false);
        return list;
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(PartyListTest)
#include "tst_partylist.moc"
