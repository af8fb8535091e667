// The party path against the seeded stand-in server, through the real session flow, hub
// and router: the hub's "活动" row to the party list and the demo account's own
// sign-ups, a party's page, signing up through the form, the page showing the sign-up
// after the form closes, withdrawing; a past party refusing a second sign-up; a party
// push opening a party's page over whatever is shown.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "app/AppDelegate.h"
#include "app/AppRouter.h"
#include "app/MainViewController.h"
#include "chat/ChatService.h"
#include "model/Party.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/venues/PartyDetailViewController.h"
#include "screens/venues/PartyJoinViewController.h"
#include "screens/venues/PartyListViewController.h"

#include <QPointer>
#include <QTest>

namespace {

constexpr int kWait = 10000;
// Seeded: a generated party with the form that the demo account has not joined, and a
// past party it has.
constexpr int kFormParty = 2;
constexpr int kPastParty = 29;
constexpr int kManyPhotosParty = 31;

int rowOf(const RecordListModel &records, int pid)
{
    for (int row = 0; row < records.count(); ++row) {
        if (records.recordAt<Party>(row)->pid == pid)
            return row;
    }
    return -1;
}

} // namespace

class PartiesE2ETest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }
    void init();
    void cleanup();
    void listToFormSignUpToWithdraw();
    void pastPartyRefusesASecondSignUp();
    void pushOpensThePartyOverWhatIsShown();

private:
    PartyDetailViewController *topDetail() const
    {
        return qobject_cast<PartyDetailViewController *>(
            test_->context().navigation().topViewController());
    }

    DevServerProcess server_;
    std::unique_ptr<TestContext> test_;
    std::unique_ptr<ApiTestClient> api_;
    AppDelegate *delegate_ = nullptr;
    MainViewController *hub_ = nullptr;
};

void PartiesE2ETest::init()
{
    test_ = std::make_unique<TestContext>(QUrl(server_.webHost()));
    api_ = std::make_unique<ApiTestClient>(server_.webHost());
    AppContext &context = test_->context();
    const ApiReply login = api_->call("account_login.php", {{"email", server_.demoEmail()},
                                                            {"password", server_.demoPassword()}});
    QVERIFY2(login.status() == 1, qPrintable(login.message()));
    api_->setToken(QString::fromStdString(login["logintoken"].toText()));

    AppRouter::install(context);
    delegate_ = &context.own(std::make_unique<AppDelegate>(context));
    ChatService::install(context);
    Session &session = context.session();
    session.apiServerAddress = server_.apiBase();
    session.socketServer = "127.0.0.1";
    session.socketPort = server_.chatPort();
    context.settings().setString(SettingsKeys::loginToken, api_->token());
    session.setDefaultUser(login["user"]);
    context.sessionFlow().finishLogin();
    QTRY_VERIFY(qobject_cast<MainViewController *>(context.navigation().bottomViewController()));
    hub_ = qobject_cast<MainViewController *>(context.navigation().bottomViewController());
    QTRY_VERIFY_WITH_TIMEOUT(session.ads(), kWait);
}

void PartiesE2ETest::cleanup()
{
    if (test_)
        test_->context().navigation().setViewControllers({}, false);
    hub_ = nullptr;
    test_.reset();
    api_.reset();
}

void PartiesE2ETest::listToFormSignUpToWithdraw()
{
    AppContext &context = test_->context();
    NavigationController &navigation = context.navigation();
    hub_->selectRow(int(HubSection::Parties));
    auto *list = qobject_cast<PartyListViewController *>(navigation.topViewController());
    QVERIFY(list);
    QTRY_VERIFY_WITH_TIMEOUT(list->records()->count() > 0, kWait);
    // The banner of the seeded party advertisements.
    QVERIFY(list->adsHeader()->view());
    QVERIFY(list->adsHeader()->view()->pages() > 0);

    // The demo account's own sign-ups, more than a page of them.
    list->tabs()->press(PartyListViewController::MineTag);
    QTRY_COMPARE_WITH_TIMEOUT(list->records()->count(), 10, kWait);
    list->loadMore();
    QTRY_COMPARE_WITH_TIMEOUT(list->records()->count(), 12, kWait);
    QVERIFY(rowOf(*list->records(), kPastParty) >= 0);
    QCOMPARE(rowOf(*list->records(), kFormParty), -1);

    list->tabs()->press(PartyListViewController::CurrentTag);
    const int row = rowOf(*list->records(), kFormParty);
    QVERIFY(row >= 0);
    list->selectRow(row);
    QPointer<PartyDetailViewController> detail = topDetail();
    QVERIFY(detail);
    QTRY_VERIFY_WITH_TIMEOUT(!detail->isLoading(), kWait);
    QVERIFY(!detail->party().isjoin);
    const int joinedBefore = detail->party().count;

    // The form, filled with blanks around the answers.
    detail->join();
    auto *form = qobject_cast<PartyJoinViewController *>(navigation.topViewController());
    QVERIFY(form);
    QCOMPARE(form->pid(), kFormParty);
    form->setName(QStringLiteral(" 夜色体验官 "));
    form->setTel(QStringLiteral("13800138000"));
    form->setCount(QStringLiteral("3"));
    form->commit();
    AlertPresenter &alerts = context.alerts();
    QTRY_COMPARE_WITH_TIMEOUT(alerts.alertTitle(), QStringLiteral("报名成功！"), kWait);
    alerts.answer(0);
    QCOMPARE(navigation.topViewController(), detail.data());
    // Back on the page, the reload brings the sign-up and the server's count.
    QTRY_VERIFY_WITH_TIMEOUT(detail->party().isjoin, kWait);
    QTRY_VERIFY_WITH_TIMEOUT(!detail->isLoading(), kWait);
    QCOMPARE(detail->party().count, joinedBefore + 3);

    detail->cancelJoin();
    QCOMPARE(alerts.alertTitle(), QStringLiteral("将为您取消报名，是否继续？"));
    alerts.answer(1);
    QTRY_VERIFY_WITH_TIMEOUT(!detail->party().isjoin, kWait);
    const ApiReply shown = api_->call("party_show.php", {{"pid", QString::number(kFormParty)}});
    QCOMPARE(shown["party"]["isjoin"].toInteger(), int64_t(0));
    QCOMPARE(shown["party"]["count"].toInteger(), int64_t(joinedBefore));
}

void PartiesE2ETest::pastPartyRefusesASecondSignUp()
{
    AppContext &context = test_->context();
    context.router().openPartyWithId(kPastParty);
    PartyDetailViewController *detail = topDetail();
    QVERIFY(detail);
    QTRY_VERIFY_WITH_TIMEOUT(!detail->isLoading(), kWait);
    QVERIFY(detail->party().isjoin);
    QVERIFY(detail->party().joinsWithOneTap());
    // As if the page still offered the sign-up: the server's word is shown.
    const ApiReply again =
        api_->call("party_join_post.php", {{"pid", QString::number(kPastParty)}});
    QCOMPARE(again.status(), 0);
    QCOMPARE(again.message(), QStringLiteral("活动已结束"));
}

void PartiesE2ETest::pushOpensThePartyOverWhatIsShown()
{
    NavigationController &navigation = test_->context().navigation();
    hub_->selectRow(int(HubSection::Clubs));
    ViewController *clubs = navigation.topViewController();
    QVERIFY(clubs != hub_);

    // A bad id opens nothing.
    delegate_->didReceiveRemoteNotification({{"type", 3}, {"pid", "abc"}});
    delegate_->didReceiveRemoteNotification({{"type", 3}, {"pid", 31.5}});
    QCOMPARE(navigation.topViewController(), clubs);

    delegate_->didReceiveRemoteNotification({{"type", 3}, {"pid", kManyPhotosParty}});
    PartyDetailViewController *detail = topDetail();
    QVERIFY(detail);
    QCOMPARE(navigation.depth(), 3);
    QCOMPARE(detail->party().content, Party::kNoContent);
    QTRY_VERIFY_WITH_TIMEOUT(!detail->isLoading(), kWait);
    QCOMPARE(detail->party().title, QStringLiteral("年度摄影派对"));
    // More photos than the page's strip shows: the tail opens the album.
    QVERIFY(detail->photoStrip()->count() > 0);
    QVERIFY(detail->party().joinsWithOneTap());
}

QTEST_MAIN(PartiesE2ETest)
#include "tst_parties_e2e.moc"
