// The relationship lists against the stand-in server with the real router: the demo's
// follows page by page from the profile corner, and a follow undone in edit mode that the
// server no longer lists.

#include "ApiTestClient.h"
#include "DemoSignIn.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "model/User.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
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

private:
    template <class Screen> Screen *top()
    {
        return qobject_cast<Screen *>(test_->context().navigation().topViewController());
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

    const int unfollowed = friends->records()->recordAt<User>(0)->userId;
    friends->editor()->edit();
    friends->deleteRow(0);
    AlertPresenter &alerts = test_->context().alerts();
    QCOMPARE(alerts.alertButtons().value(0), QStringLiteral("取消关注"));
    alerts.answer(0);
    QTRY_COMPARE_WITH_TIMEOUT(friends->records()->count(), follows.size() - 1, kTimeoutMs);
    QVERIFY(!test_->context().alerts().alertVisible());
    QVERIFY(!listed(QStringLiteral("my_follow.php"), "follows").contains(unfollowed));
}

QTEST_MAIN(tst_RelationListsE2e)
#include "tst_relationlists_e2e.moc"
