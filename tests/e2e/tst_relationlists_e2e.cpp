// The relationship lists against the stand-in server with the real router: the demo's
// follows page by page from the profile corner, a follow undone in edit mode that the
// server no longer lists, and a user taken off the blacklist.

#include "ApiTestClient.h"
#include "DemoSignIn.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "model/User.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/people/BlackListViewController.h"
#include "screens/people/FriendListViewController.h"
#include "ui/Router.h"

#include <QTest>

namespace {
constexpr int kTimeoutMs = 15000;
constexpr int kPageSize = 20;
} // namespace

class tst_RelationListsE2e : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void followUndoneInEditMode();
    void userTakenOffTheBlacklist();

private:
    template <class Screen> Screen *top()
    {
        return qobject_cast<Screen *>(test_->context().navigation().topViewController());
    }
    // Deletes the relation of `row` in edit mode, confirming with `confirmation`, and
    // returns the user it was with.
    int deleteInEditMode(BLKLoadMoreTableViewController *screen, RelationEditor *editor,
                         const std::function<void(int)> &deleteRow, const QString &confirmation)
    {
        const int uid = screen->records()->recordAt<User>(0)->userId;
        editor->edit();
        deleteRow(0);
        AlertPresenter &alerts = test_->context().alerts();
        if (alerts.alertButtons().value(0) != confirmation)
            return 0;
        alerts.answer(0);
        return uid;
    }
    // Every user id of the script's list, page by page.
    QList<int> listed(const QString &script, const char *key)
    {
        QList<int> ids;
        for (int page = 1;; ++page) {
            const ApiReply reply = api_->call(script, {{"page", QString::number(page)}});
            if (reply.status() != 1 || !reply[key].isArray() || reply[key].asArray().empty())
                return ids;
            for (const auto &user : reply[key].asArray())
                ids << QString::fromStdString(user["uid"].toText()).toInt();
        }
    }

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
    std::unique_ptr<ApiTestClient> api_;
};

void tst_RelationListsE2e::initTestCase()
{
    QVERIFY2(server_.start(), qPrintable(server_.errorString()));
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    api_ = std::make_unique<ApiTestClient>(server_.webHost());
    const ApiReply reply = DemoSignIn::signIn(server_, test_->context(), *api_);
    QVERIFY2(reply.status() == 1, qPrintable(reply.message()));
}

void tst_RelationListsE2e::followUndoneInEditMode()
{
    const QList<int> follows = listed(QStringLiteral("my_follow.php"), "follows");
    QVERIFY(follows.size() > kPageSize);
    test_->context().router().openFriendList();
    auto *friends = top<FriendListViewController>();
    QVERIFY(friends);
    QTRY_COMPARE_WITH_TIMEOUT(friends->records()->count(), kPageSize, kTimeoutMs);
    friends->loadMore();
    QTRY_COMPARE_WITH_TIMEOUT(friends->records()->count(), follows.size(), kTimeoutMs);

    const int unfollowed = deleteInEditMode(
        friends, friends->editor(), [friends](int row) { friends->deleteRow(row); },
        QStringLiteral("取消关注"));
    QVERIFY(unfollowed);
    QTRY_COMPARE_WITH_TIMEOUT(friends->records()->count(), follows.size() - 1, kTimeoutMs);
    QVERIFY(!test_->context().alerts().alertVisible());
    QVERIFY(!listed(QStringLiteral("my_follow.php"), "follows").contains(unfollowed));
}

void tst_RelationListsE2e::userTakenOffTheBlacklist()
{
    const QList<int> blocked = listed(QStringLiteral("my_blacklist.php"), "blacklists");
    QVERIFY(!blocked.isEmpty());
    test_->context().router().openBlackList();
    auto *blacklist = top<BlackListViewController>();
    QVERIFY(blacklist);
    QTRY_COMPARE_WITH_TIMEOUT(blacklist->records()->count(), blocked.size(), kTimeoutMs);

    const int unblocked = deleteInEditMode(
        blacklist, blacklist->editor(), [blacklist](int row) { blacklist->deleteRow(row); },
        QStringLiteral("从黑名单移除"));
    QVERIFY(unblocked);
    QTRY_COMPARE_WITH_TIMEOUT(blacklist->records()->count(), blocked.size() - 1, kTimeoutMs);
    QCOMPARE(listed(QStringLiteral("my_blacklist.php"), "blacklists").size(), blocked.size() - 1);
    QVERIFY(!listed(QStringLiteral("my_blacklist.php"), "blacklists").contains(unblocked));
}

QTEST_MAIN(tst_RelationListsE2e)
#include "tst_relationlists_e2e.moc"
