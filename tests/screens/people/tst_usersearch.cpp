// The search form's choices as "user_search.php" parameters (an untouched form limits
// nothing), the region wheel, the sort buttons, and the results' paging, which goes on
// only after a full page of 20 users.

#include "ClientTestContext.h"
#include "PeopleReplies.h"
#include "model/Session.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/people/UserSearchResultsViewController.h"
#include "screens/people/UserSearchViewController.h"

#include <QTest>

class tst_UserSearch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void untouchedFormLimitsNothing();
    void choicesBecomeParameters_data();
    void choicesBecomeParameters();
    void regionWheelFollowsTheProvince();
    void sortButtons();
    void resultsPageOnlyAfterAFullPage();

private:
    UserSearchViewController *openForm();
    // Picks row `row` of the one-column choice `tag` and confirms it.
    static void choose(UserSearchViewController *form, int tag, int row);

    std::unique_ptr<ClientTestContext> test_;
};

void tst_UserSearch::init()
{
    test_ = std::make_unique<ClientTestContext>();
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::latitude, QStringLiteral("31.2310"));
    settings.setString(SettingsKeys::longitude, QStringLiteral("121.4745"));
}

void tst_UserSearch::cleanup()
{
    test_.reset();
}

UserSearchViewController *tst_UserSearch::openForm()
{
    auto *form = new UserSearchViewController(test_->context());
    (*test_)->navigation().setViewControllers({form}, false);
    return form;
}

void tst_UserSearch::choose(UserSearchViewController *form, int tag, int row)
{
    form->pickValue(tag);
    form->pickerViewDidSelectRow(row, 0);
    form->finishedPicking();
}

void tst_UserSearch::untouchedFormLimitsNothing()
{
    UserSearchViewController *form = openForm();
    QCOMPARE(form->genderText(), QStringLiteral("不限"));
    QCOMPARE(form->ageText(), QStringLiteral("不限"));
    QCOMPARE(form->cityText(), QStringLiteral("不限"));
    form->search();
    QCOMPARE(test_->router().last(), QStringLiteral("userSearchResults"));
    const QVariantMap expected{
        {"nickname", ""},   {"sheng", "0"},     {"shi", "0"},
        {"agemin", "0"},    {"agemax", "0"},    {"gender", "0"},
        {"sort", "nearby"}, {"lat", "31.2310"}, {"lng", "121.4745"},
    };
    QCOMPARE(test_->router().lastSearchParameters, expected);
}

void tst_UserSearch::choicesBecomeParameters_data()
{
    QTest::addColumn<int>("genderRow");
    QTest::addColumn<int>("ageRow");
    QTest::addColumn<QString>("gender");
    QTest::addColumn<QString>("ageMin");
    QTest::addColumn<QString>("ageMax");
    QTest::newRow("men 16-22") << 1 << 1 << "1"
                               << "16"
                               << "22";
    QTest::newRow("women 23-30") << 2 << 2 << "2"
                                 << "23"
                                 << "30";
    QTest::newRow("anyone 31-40") << 0 << 3 << "0"
                                  << "31"
                                  << "40";
    QTest::newRow("women over 40") << 2 << 4 << "2"
                                   << "40"
                                   << "120";
    QTest::newRow("men any age") << 1 << 0 << "1"
                                 << "0"
                                 << "0";
}

void tst_UserSearch::choicesBecomeParameters()
{
    QFETCH(int, genderRow);
    QFETCH(int, ageRow);
    QFETCH(QString, gender);
    QFETCH(QString, ageMin);
    QFETCH(QString, ageMax);
    UserSearchViewController *form = openForm();
    form->setNickname(QStringLiteral("Ava"));
    choose(form, UserSearchViewController::GenderChoice, genderRow);
    choose(form, UserSearchViewController::AgeChoice, ageRow);
    const QVariantMap parameters = form->queryParameters();
    QCOMPARE(parameters.value("gender").toString(), gender);
    QCOMPARE(parameters.value("agemin").toString(), ageMin);
    QCOMPARE(parameters.value("agemax").toString(), ageMax);
    QCOMPARE(parameters.value("nickname").toString(), QStringLiteral("Ava"));
}

void tst_UserSearch::regionWheelFollowsTheProvince()
{
    UserSearchViewController *form = openForm();
    form->pickValue(UserSearchViewController::RegionChoice);
    QVERIFY(form->isPickerShown());
    QCOMPARE(form->pickerY(), 200.0);
    QCOMPARE(form->firstColumn().size(), 35);
    QCOMPARE(form->secondColumn(), QStringList{QString()});

    // 广东's cities replace the second column; 广州 is its fourth city.
    form->pickerViewDidSelectRow(6, 0);
    QCOMPARE(form->secondColumn().value(4), QStringLiteral("广州"));
    form->pickerViewDidSelectRow(4, 1);
    form->finishedPicking();
    QVERIFY(!form->isPickerShown());
    QCOMPARE(form->pickerY(), 460.0);
    QCOMPARE(form->cityText(), QStringLiteral("广州"));
    QCOMPARE(form->queryParameters().value("sheng").toString(), QStringLiteral("6"));
    QCOMPARE(form->queryParameters().value("shi").toString(), QStringLiteral("4"));

    // Opened again, the wheel starts from the top; a province alone means any city of it.
    form->pickValue(UserSearchViewController::RegionChoice);
    QCOMPARE(form->firstColumnRow(), 0);
    QCOMPARE(form->secondColumnRow(), 0);
    form->pickerViewDidSelectRow(26, 0);
    form->finishedPicking();
    QCOMPARE(form->cityText(), QStringLiteral("不限"));
    QCOMPARE(form->queryParameters().value("sheng").toString(), QStringLiteral("26"));
    QCOMPARE(form->queryParameters().value("shi").toString(), QStringLiteral("0"));

    // Cancelling keeps the last choice.
    form->pickValue(UserSearchViewController::GenderChoice);
    form->pickerViewDidSelectRow(2, 0);
    form->hidePicker();
    QCOMPARE(form->genderText(), QStringLiteral("不限"));
    // Rows outside a column are ignored.
    form->pickValue(UserSearchViewController::AgeChoice);
    form->pickerViewDidSelectRow(9, 0);
    form->pickerViewDidSelectRow(1, 1);
    QCOMPARE(form->firstColumnRow(), 0);
}

void tst_UserSearch::sortButtons()
{
    UserSearchViewController *form = openForm();
    QCOMPARE(form->sortImage(), QStringLiteral("user-sort-nearby.png"));
    form->sortBy(UserSearchViewController::SortTopTag);
    QCOMPARE(form->sort(), QStringLiteral("renqi"));
    QCOMPARE(form->sortImage(), QStringLiteral("user-sort-top.png"));
    form->sortBy(7);
    QCOMPARE(form->sort(), QStringLiteral("renqi"));
    form->sortBy(UserSearchViewController::SortNearbyTag);
    QCOMPARE(form->queryParameters().value("sort").toString(), QStringLiteral("nearby"));
}

void tst_UserSearch::resultsPageOnlyAfterAFullPage()
{
    (*test_)->session().userLocation = PeopleReplies::kDevice;
    UserSearchViewController *form = openForm();
    form->setNickname(QStringLiteral("夜"));
    choose(form, UserSearchViewController::GenderChoice, 2);
    auto *results = new UserSearchResultsViewController(test_->context(), form->queryParameters());
    test_->reply("user_search.php", ScriptedReply::json(PeopleReplies::users(20, 2)));
    (*test_)->navigation().pushViewController(results, false);
    QTRY_COMPARE(results->records()->count(), 20);
    QVERIFY(results->canLoadMore());
    const auto form1 = test_->lastFormOf("user_search.php");
    QVERIFY(form1.contains({"nickname", "夜"}));
    QVERIFY(form1.contains({"gender", "2"}));
    QVERIFY(form1.contains({"lat", "31.2310"}));
    QVERIFY(form1.contains({"page", "1"}));
    QCOMPARE(form1.size(), 10);

    test_->reply("user_search.php", ScriptedReply::json(PeopleReplies::users(19, 2, 300)));
    results->loadMore();
    QTRY_COMPARE(results->records()->count(), 39);
    QVERIFY(test_->lastFormOf("user_search.php").contains({"page", "2"}));
    QVERIFY(!results->canLoadMore());
    results->loadMore();
    QCOMPARE(test_->requestsTo("user_search.php"), 2);

    results->selectRow(20);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 300"));
    results->cellAvatarButtonTapped(0);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 100"));

    // Pulling down searches again from the first page, and a full page opens paging.
    test_->reply("user_search.php", ScriptedReply::json(PeopleReplies::users(20, 2, 700)));
    results->refresh();
    QTRY_COMPARE(results->records()->count(), 20);
    QVERIFY(test_->lastFormOf("user_search.php").contains({"page", "1"}));
    QVERIFY(results->canLoadMore());
    QCOMPARE(results->refreshHeaderView()->state(), EGORefreshTableHeaderView::Normal);
}

QTEST_MAIN(tst_UserSearch)
#include "tst_usersearch.moc"
