// The nearby users' controller against the loopback API: a filter change while a later
// page is still on its way, the same filter tapped again, the grid's rows and tiles
// (the last row partly empty), the flip keeping the users in view, the distance bubble
// over rows and over nothing, and the end of paging.

#include "ClientTestContext.h"
#include "PeopleReplies.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/NavigationController.h"
#include "screens/people/UserListViewController.h"

#include <QAbstractItemModelTester>
#include <QTest>

class tst_UserList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void filterChangeDropsTheSlowerPage();
    void sameFilterAgainSendsNothing();
    void gridRowsMapToUsers();
    void flipKeepsTheUsersInView();
    void distanceBubbleNamesTheRowUnderIt();
    void emptyPageEndsPagingAndFailureKeepsTheList();

private:
    UserListViewController *open(const QByteArray &firstPage);
    QString formValue(const QString &key) const;

    std::unique_ptr<ClientTestContext> test_;
};

void tst_UserList::init()
{
    test_ = std::make_unique<ClientTestContext>();
    (*test_)->session().userLocation = PeopleReplies::kDevice;
    (*test_)->clock().setNow(QDateTime(QDate(2026, 12, 8), QTime(23, 0)));
}

void tst_UserList::cleanup()
{
    test_.reset();
}

UserListViewController *tst_UserList::open(const QByteArray &firstPage)
{
    test_->reply("user_nearby.php", ScriptedReply::json(firstPage));
    auto *nearby = new UserListViewController(test_->context());
    new QAbstractItemModelTester(nearby->records(),
                                 QAbstractItemModelTester::FailureReportingMode::QtTest, nearby);
    new QAbstractItemModelTester(nearby->grid(),
                                 QAbstractItemModelTester::FailureReportingMode::QtTest, nearby);
    (*test_)->navigation().setViewControllers({nearby}, false);
    return nearby;
}

QString tst_UserList::formValue(const QString &key) const
{
    return ClientTestContext::formValue(test_->lastFormOf("user_nearby.php"), key);
}

void tst_UserList::filterChangeDropsTheSlowerPage()
{
    UserListViewController *nearby = open(PeopleReplies::users(20, 1));
    QTRY_COMPARE(nearby->records()->count(), 20);
    QCOMPARE(formValue("gender"), QStringLiteral("0"));
    QCOMPARE(formValue("page"), QStringLiteral("1"));

    // Page 2 never comes; meanwhile only women are asked for.
    ScriptedReply slow;
    slow.neverAnswer = true;
    test_->reply("user_nearby.php", slow);
    nearby->loadMore();
    QVERIFY(test_->api().waitForRequests(2));
    QCOMPARE(formValue("page"), QStringLiteral("2"));

    test_->reply("user_nearby.php", ScriptedReply::json(PeopleReplies::users(3, 2, 500)));
    nearby->performFilter(2);
    QCOMPARE(nearby->records()->count(), 0);
    QCOMPARE(nearby->filterGender(), 2);
    QTRY_COMPARE(nearby->records()->count(), 3);
    QCOMPARE(formValue("gender"), QStringLiteral("2"));
    QCOMPARE(formValue("page"), QStringLiteral("1"));
    for (int row = 0; row < 3; ++row)
        QCOMPARE(nearby->userAt(row)->gender, 2);
    QCOMPARE(nearby->currentPage(), 1);
    QVERIFY(!nearby->isLoading());
    QCOMPARE(test_->requestsTo("user_nearby.php"), 3);

    // The next page continues the women's list.
    test_->reply("user_nearby.php", ScriptedReply::json(PeopleReplies::users(2, 2, 600)));
    nearby->loadMore();
    QTRY_COMPARE(nearby->records()->count(), 5);
    QCOMPARE(formValue("gender"), QStringLiteral("2"));
    QCOMPARE(formValue("page"), QStringLiteral("2"));
}

void tst_UserList::sameFilterAgainSendsNothing()
{
    UserListViewController *nearby = open(PeopleReplies::users(5));
    QTRY_COMPARE(nearby->records()->count(), 5);
    nearby->performFilter(0);
    QCOMPARE(nearby->records()->count(), 5);
    QCOMPARE(test_->requestsTo("user_nearby.php"), 1);
    QVERIFY(!nearby->isLoading());

    // The reload button asks for the first page again and replaces the list.
    test_->reply("user_nearby.php", ScriptedReply::json(PeopleReplies::users(2, 1, 900)));
    nearby->refreshButtonTapped();
    QVERIFY(nearby->isLoading());
    QTRY_COMPARE(nearby->records()->count(), 2);
    QCOMPARE(nearby->userAt(0)->userId, 900);
}

void tst_UserList::gridRowsMapToUsers()
{
    UserListViewController *nearby = open(PeopleReplies::users(9));
    QTRY_COMPARE(nearby->records()->count(), 9);
    QCOMPARE(nearby->numberOfRows(), 3);
    QCOMPARE(nearby->grid()->data(nearby->grid()->index(2), Qt::UserRole).toList().size(), 1);

    nearby->cellAvatarButtonTapped(0, 3);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 103"));
    nearby->cellAvatarButtonTapped(2, 0);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 108"));
    // The empty buttons of the last row, and rows and columns that do not exist.
    const int opened = int(test_->router().opened.size());
    nearby->cellAvatarButtonTapped(2, 1);
    nearby->cellAvatarButtonTapped(2, 3);
    nearby->cellAvatarButtonTapped(3, 0);
    nearby->cellAvatarButtonTapped(0, 4);
    // Selecting a grid row itself opens nobody.
    nearby->selectRow(1);
    QCOMPARE(test_->router().opened.size(), opened);

    // A further page fills the last row and adds one.
    test_->reply("user_nearby.php", ScriptedReply::json(PeopleReplies::users(4, 1, 200)));
    nearby->loadMore();
    QTRY_COMPARE(nearby->records()->count(), 13);
    QCOMPARE(nearby->numberOfRows(), 4);
    nearby->cellAvatarButtonTapped(2, 3);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 202"));

    // In list style each row is one user, and a row opens its user.
    nearby->changeTableStyle(true);
    QCOMPARE(nearby->numberOfRows(), 13);
    nearby->selectRow(12);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 203"));
    nearby->avatarButtonTapped(0);
    QCOMPARE(test_->router().last(), QStringLiteral("userHome 100"));
}

void tst_UserList::flipKeepsTheUsersInView()
{
    UserListViewController *nearby = open(PeopleReplies::users(20));
    QTRY_COMPARE(nearby->records()->count(), 20);
    QCOMPARE(nearby->tableStyle(), int(UserListViewController::GridStyle));

    // A quarter into grid row 1 (users 4 to 7): a quarter into list row 4.
    nearby->scroll()->setContentOffsetY(1.25 * UserListViewController::kGridRowHeight);
    nearby->changeTableStyle(true);
    QCOMPARE(nearby->tableStyle(), int(UserListViewController::ListStyle));
    QVERIFY(nearby->flipFromRight());
    QCOMPARE(nearby->scrollPlaceAfterFlip(), 4.25 * UserListViewController::kListRowHeight);
    QCOMPARE(nearby->rowHeight(), UserListViewController::kListRowHeight);

    // List row 9 is in grid row 2.
    nearby->scroll()->setContentOffsetY(9.5 * UserListViewController::kListRowHeight);
    nearby->changeTableStyle(false);
    QCOMPARE(nearby->tableStyle(), int(UserListViewController::GridStyle));
    QVERIFY(!nearby->flipFromRight());
    QCOMPARE(nearby->scrollPlaceAfterFlip(), 2.5 * UserListViewController::kGridRowHeight);

    // With the filter bar in view the place stays as it is; nothing was fetched again.
    nearby->scroll()->setContentOffsetY(-60);
    nearby->changeTableStyle(true);
    QCOMPARE(nearby->scrollPlaceAfterFlip(), -60.0);
    QCOMPARE(test_->requestsTo("user_nearby.php"), 1);
    QCOMPARE(nearby->records()->count(), 20);
}

void tst_UserList::distanceBubbleNamesTheRowUnderIt()
{
    UserListViewController *nearby = open(PeopleReplies::users(20));
    QTRY_COMPARE(nearby->records()->count(), 20);
    DistanceScroller *bubble = nearby->distanceScroller();
    TableScroll *table = nearby->scroll();
    // 5 grid rows and the footer, below the 60-point bar.
    table->setContentHeight(5 * 80 + 44);
    QCOMPARE(table->frameHeight(), 416.0);

    table->setDragging(true);
    nearby->scrollViewWillBeginDragging();
    QVERIFY(bubble->shown());
    // Dragging puts the bar's inset away (the pull-down header's rule).
    table->setContentOffsetY(10);
    QCOMPARE(table->topInset(), 0.0);
    // The thumb: 416 of the 444 scrollable points, 10 of the 28 spare points down.
    QCOMPARE(bubble->thumbHeight(), 416.0 * 416 / 444);
    QCOMPARE(bubble->thumbY(), 10.0 / 28 * (416 - bubble->thumbHeight()));
    const int row = int((10 + bubble->centerY()) / 80);
    QCOMPARE(bubble->text(), nearby->userAt(row * 4)->distance);
    QCOMPARE(bubble->text(), QStringLiteral("%1m").arg((row * 4 + 1) * 100));

    // Pulled far down over the bar, no row is under the bubble: it shows nothing at all.
    table->setContentOffsetY(-250);
    QCOMPARE(bubble->text(), QString());
    QVERIFY(!bubble->shown());
    table->setContentOffsetY(10);
    QVERIFY(bubble->shown());

    // At the bottom the thumb ends at the frame's bottom.
    table->setContentOffsetY(28);
    QCOMPARE(bubble->thumbY() + bubble->thumbHeight(), 416.0);
    // The bar above the rows and the footer below them are no row.
    QCOMPARE(nearby->rowAtContentY(-1), -1);
    QCOMPARE(nearby->rowAtContentY(0), 0);
    QCOMPARE(nearby->rowAtContentY(399), 4);
    QCOMPARE(nearby->rowAtContentY(400), -1);

    // In list style the row is one user.
    nearby->changeTableStyle(true);
    table->setContentHeight(20 * 70 + 44);
    table->setContentOffsetY(700);
    QCOMPARE(bubble->text(), nearby->userAt(int((700 + bubble->centerY()) / 70))->distance);

    // Once the list rests the bubble goes a second later.
    table->setDragging(false);
    nearby->scrollViewDidEndDecelerating();
    (*test_)->clock().advanceMilliseconds(999);
    QVERIFY(bubble->shown());
    (*test_)->clock().advanceMilliseconds(1);
    QVERIFY(!bubble->shown());

    // An empty list shows an empty label, never a distance read from nowhere.
    test_->reply("user_nearby.php", ScriptedReply::json(PeopleReplies::users(0)));
    nearby->performFilter(1);
    QTRY_VERIFY(!nearby->isLoading());
    QCOMPARE(nearby->records()->count(), 0);
    table->setContentHeight(44);
    table->setContentOffsetY(-60);
    QCOMPARE(bubble->text(), QString());
}

void tst_UserList::emptyPageEndsPagingAndFailureKeepsTheList()
{
    UserListViewController *nearby = open(PeopleReplies::users(20));
    QTRY_COMPARE(nearby->records()->count(), 20);
    QVERIFY(nearby->canLoadMore());
    QCOMPARE(nearby->loadMoreFooterView()->infoText(), QStringLiteral("上拉加载更多"));

    test_->reply("user_nearby.php", ScriptedReply::json(PeopleReplies::failure("服务器忙")));
    nearby->loadMore();
    QTRY_COMPARE((*test_)->alerts().alertTitle(), QStringLiteral("服务器忙"));
    QCOMPARE(nearby->records()->count(), 20);
    (*test_)->alerts().answer(0);

    test_->reply("user_nearby.php", ScriptedReply::json(PeopleReplies::users(0)));
    nearby->loadMore();
    QTRY_VERIFY(!nearby->canLoadMore());
    QCOMPARE(nearby->records()->count(), 20);
    QCOMPARE(nearby->loadMoreFooterView()->infoText(), QStringLiteral("已加载完全部"));
    // The failed page is asked for again.
    QCOMPARE(formValue("page"), QStringLiteral("2"));
    nearby->loadMore();
    QCOMPARE(test_->requestsTo("user_nearby.php"), 3);
    QVERIFY(!nearby->isLoading());
}

QTEST_MAIN(tst_UserList)
#include "tst_userlist.moc"
