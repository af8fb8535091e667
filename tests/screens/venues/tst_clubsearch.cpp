// The club search form and its results: the stored city only labels the form, the
// picker's region is what is searched, the parameters sent, and paging by tens.

#include "ClientTestContext.h"
#include "model/Club.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/venues/ClubSearchResultsViewController.h"
#include "screens/venues/ClubSearchViewController.h"

#include <QAbstractItemModelTester>
#include <QTest>

namespace {

QByteArray clubsReply(int count, int firstId = 1)
{
    QByteArray clubs;
    for (int i = 0; i < count; ++i)
        clubs += (i ? "," : "") + QStringLiteral(R"({"clid":%1})").arg(firstId + i).toUtf8();
    return R"({"status":1,"message":"","clubs":[)" + clubs + "]}";
}

} // namespace

class ClubSearchTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        test_ = std::make_unique<ClientTestContext>();
        // Lives in 广东 广州.
        test_->context().settings().setString(SettingsKeys::sheng, QStringLiteral("6"));
        test_->context().settings().setString(SettingsKeys::shi, QStringLiteral("4"));
    }
    void cleanup() { test_.reset(); }

    void storedCityOnlyLabelsTheForm()
    {
        ClubSearchViewController *form = showForm();
        QCOMPARE(form->cityLabel(), QStringLiteral("广州"));
        form->search();
        QCOMPARE(test_->router().last(), QStringLiteral("clubSearchResults [] 0 0"));
    }

    void pickerChoosesTheRegionSearched()
    {
        ClubSearchViewController *form = showForm();
        form->setKeyword(QStringLiteral("Club"));
        form->pickValue();
        QVERIFY(form->isPickerShown());
        QCOMPARE(form->wheels()->selectedProvinceRow(), 6);
        QCOMPARE(form->wheels()->selectedCityRow(), 4);
        QCOMPARE(form->wheels()->cities().at(4), QStringLiteral("广州"));

        // A province brings its cities; the city picked goes with it.
        form->wheels()->pick(25, RegionWheels::ProvinceComponent);
        QCOMPARE(form->wheels()->selectedCityRow(), 0);
        QCOMPARE(form->wheels()->cities().at(1), QStringLiteral("上海"));
        form->wheels()->pick(1, RegionWheels::CityComponent);
        // Nothing is searched in until the picking is finished.
        QCOMPARE(form->sheng(), 0);
        form->finishedPicking();
        QVERIFY(!form->isPickerShown());
        QCOMPARE(form->cityLabel(), QStringLiteral("上海"));
        form->search();
        QCOMPARE(test_->router().last(), QStringLiteral("clubSearchResults [Club] 25 1"));

        // A province without a city picked searches the whole province, labelled empty.
        form->pickValue();
        form->wheels()->pick(19, RegionWheels::ProvinceComponent);
        form->finishedPicking();
        QCOMPARE(form->cityLabel(), QString());
        form->search();
        QCOMPARE(test_->router().last(), QStringLiteral("clubSearchResults [Club] 19 0"));

        // Cancelling keeps the region.
        form->pickValue();
        form->wheels()->pick(3, RegionWheels::ProvinceComponent);
        form->hidePicker();
        form->search();
        QCOMPARE(test_->router().last(), QStringLiteral("clubSearchResults [Club] 19 0"));
    }

    void resultsSendTheFormAndPageByTens()
    {
        test_->reply("club.php", ScriptedReply::json(clubsReply(10)));
        auto *results =
            new ClubSearchResultsViewController(test_->context(), QStringLiteral("夜 店"), 25, 1);
        new QAbstractItemModelTester(
            results->records(), QAbstractItemModelTester::FailureReportingMode::QtTest, results);
        test_->context().navigation().setViewControllers({results}, false);
        QTRY_COMPARE(results->records()->count(), 10);
        QCOMPARE(test_->lastFormOf("club.php"),
                 (QList<QPair<QString, QString>>{
                     {"keywords", "夜 店"}, {"page", "1"}, {"sheng", "25"}, {"shi", "1"}}));
        QVERIFY(results->canLoadMore());

        test_->reply("club.php", ScriptedReply::json(clubsReply(9, 11)));
        results->loadMore();
        QTRY_COMPARE(results->records()->count(), 19);
        QCOMPARE(test_->lastFormOf("club.php").at(1).second, QStringLiteral("2"));
        QVERIFY(!results->canLoadMore());

        results->selectRow(18);
        QCOMPARE(test_->router().last(), QStringLiteral("club 19"));

        // Pulling asks for page 1 again, and paging resumes.
        test_->reply("club.php", ScriptedReply::json(clubsReply(10, 50)));
        results->refresh();
        QTRY_COMPARE(results->records()->count(), 10);
        QCOMPARE(test_->lastFormOf("club.php").at(1).second, QStringLiteral("1"));
        QVERIFY(results->canLoadMore());
    }

private:
    ClubSearchViewController *showForm()
    {
        auto *form = new ClubSearchViewController(test_->context());
        test_->context().navigation().setViewControllers({form}, false);
        return form;
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(ClubSearchTest)
#include "tst_clubsearch.moc"
