// The party lists against a scripted API: the current parties, the own tab's request
// and empty text, the rows' sized fans count, the banner of party advertisements, and a
// user's own list sent with the user's id.

#include "ClientTestContext.h"
#include "api/json/JsonReader.h"
#include "model/Advertisement.h"
#include "model/Party.h"
#include "model/Session.h"
#include "platform/NavigationController.h"
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

    void ownTabAsksWithoutAUserAndSaysWhenEmpty()
    {
        test_->reply("party.php", ScriptedReply::json(partiesReply(2)));
        test_->reply("my_party_join.php", ScriptedReply::json(partiesReply(0)));
        PartyListViewController *list = show();
        QTRY_COMPARE(list->records()->count(), 2);
        QCOMPARE(list->tabs()->emptyText(), QStringLiteral("近期没有活动"));
        list->tabs()->press(PartyListViewController::MineTag);
        QTRY_VERIFY(!list->isLoading());
        QCOMPARE(test_->lastFormOf("my_party_join.php"),
                 (QList<QPair<QString, QString>>{{"page", "1"}}));
        QCOMPARE(list->records()->count(), 0);
        QCOMPARE(list->tabs()->emptyText(), QStringLiteral("还没有报名的活动"));
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

    void bannerOpensParties()
    {
        test_->context().session().setAds(
            adsWithParties(R"([{"img":"a","id":"31"},{"img":"b","id":"3.5"}])"));
        test_->reply("party.php", ScriptedReply::json(partiesReply(1)));
        PartyListViewController *list = show();
        QVERIFY(list->adsHeader()->view());
        QCOMPARE(list->adsHeader()->view()->pages(), 2);
        emit list->adsHeader()->view()->clickWhichADButton(0);
        QCOMPARE(test_->router().last(), QStringLiteral("party 31"));
        list->adsHeader()->itemTapped(1);
        QCOMPARE(test_->router().opened.size(), 1);
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
        for (int tag : {PartyListViewController::CurrentTag, PartyListViewController::MineTag}) {
            new QAbstractItemModelTester(list->tabs()->query(tag)->model(),
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
