// The screen stack's lifecycle order and ownership, and the alert presenter's
// buttons, callbacks and auto-hiding notice.

#include "TestContext.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/ViewController.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
// Records its lifecycle calls into a shared log as "name:call".
class RecordingController : public ViewController {
public:
    RecordingController(AppContext &context, QString name, QStringList &log)
        : ViewController(context), name_(std::move(name)), log_(log)
    {
    }
    std::function<void()> onLoad;

protected:
    void viewDidLoad() override
    {
        record("didLoad");
        if (onLoad)
            onLoad();
    }
    void viewWillAppear(bool) override { record("willAppear"); }
    void viewDidAppear(bool) override { record("didAppear"); }
    void viewWillDisappear(bool) override { record("willDisappear"); }
    void viewDidDisappear(bool) override { record("didDisappear"); }

private:
    void record(const char *call) { log_ << name_ + QLatin1Char(':') + QLatin1String(call); }
    QString name_;
    QStringList &log_;
};
} // namespace

class tst_Navigation : public QObject {
    Q_OBJECT
private slots:
    void pushAndPopFollowAPhonesOrder();
    void replaceFromALifecycleCallWaitsForTheChangeUnderWay();
    void modalScreenAndPopToRoot();
    void secondModalScreenIsRefused();
    void removedControllersAreDeletedOrWaitForTheirView();
    void alertButtonsAndCallbacks();
    void callbackOfAGoneOwnerNeverRuns();
    void noticeHidesItself();
};

void tst_Navigation::pushAndPopFollowAPhonesOrder()
{
    TestContext test;
    QStringList log;
    NavigationController &nav = test->navigation();
    auto *a = new RecordingController(*test, "A", log);
    auto *b = new RecordingController(*test, "B", log);
    nav.pushViewController(a, false);
    QCOMPARE(log, QStringList({"A:didLoad", "A:willAppear", "A:didAppear"}));
    log.clear();
    QSignalSpy pushed(&nav, &NavigationController::pushed);
    nav.pushViewController(b, true);
    QCOMPARE(log, QStringList({"B:didLoad", "A:willDisappear", "B:willAppear", "A:didDisappear",
                               "B:didAppear"}));
    QCOMPARE(pushed.size(), 1);
    QCOMPARE(pushed[0][1].toBool(), true);
    QCOMPARE(nav.topViewController(), b);
    QVERIFY(b->isOnStack());
    log.clear();
    QPointer<ViewController> popped = b;
    b->back();
    QCOMPARE(log,
             QStringList({"B:willDisappear", "A:willAppear", "B:didDisappear", "A:didAppear"}));
    QCOMPARE(nav.viewControllers(), QList<ViewController *>({a}));
    QTRY_VERIFY(popped.isNull());
    log.clear();
    a->back(); // the root stays
    QCOMPARE(log, QStringList());
    QCOMPARE(nav.depth(), 1);
}

void tst_Navigation::replaceFromALifecycleCallWaitsForTheChangeUnderWay()
{
    TestContext test;
    QStringList log;
    NavigationController &nav = test->navigation();
    auto *launching = new RecordingController(*test, "Launch", log);
    auto *login = new RecordingController(*test, "Login", log);
    launching->onLoad = [&] { nav.setViewControllers({login}, true); };
    QSignalSpy replaced(&nav, &NavigationController::replaced);
    nav.setViewControllers({launching}, false);
    QCOMPARE(nav.viewControllers(), QList<ViewController *>({login}));
    QCOMPARE(log, QStringList({"Launch:didLoad", "Launch:willAppear", "Launch:didAppear",
                               "Login:didLoad", "Launch:willDisappear", "Login:willAppear",
                               "Launch:didDisappear", "Login:didAppear"}));
    QCOMPARE(replaced.size(), 2);
}

void tst_Navigation::modalScreenAndPopToRoot()
{
    TestContext test;
    QStringList log;
    NavigationController &nav = test->navigation();
    auto *root = new RecordingController(*test, "R", log);
    auto *second = new RecordingController(*test, "S", log);
    auto *third = new RecordingController(*test, "T", log);
    nav.setViewControllers({root, second, third}, false);
    QCOMPARE(nav.bottomViewController(), root);
    log.clear();
    auto *modal = new RecordingController(*test, "M", log);
    nav.presentViewController(modal, true);
    QCOMPARE(nav.visibleViewController(), modal);
    QCOMPARE(nav.topViewController(), third);
    QCOMPARE(log, QStringList({"M:didLoad", "T:willDisappear", "M:willAppear", "T:didDisappear",
                               "M:didAppear"}));
    log.clear();
    modal->back();
    QCOMPARE(nav.modalViewController(), nullptr);
    QCOMPARE(log,
             QStringList({"M:willDisappear", "T:willAppear", "M:didDisappear", "T:didAppear"}));
    log.clear();
    nav.popToRootViewController(true);
    QCOMPARE(nav.viewControllers(), QList<ViewController *>({root}));
    // The root's view was never shown before, so it loads now.
    QCOMPARE(log, QStringList({"R:didLoad", "T:willDisappear", "R:willAppear", "T:didDisappear",
                               "R:didAppear"}));
}

void tst_Navigation::secondModalScreenIsRefused()
{
    TestContext test;
    QStringList log;
    NavigationController &nav = test->navigation();
    nav.setViewControllers({new RecordingController(*test, "R", log)}, false);
    auto *first = new RecordingController(*test, "M1", log);
    nav.presentViewController(first, false);
    log.clear();

    // A screen someone else owns stays theirs; a parentless one is the stack's to delete.
    QObject owner;
    QPointer<ViewController> owned = new RecordingController(*test, "Owned", log);
    owned->setParent(&owner);
    QPointer<ViewController> parentless = new RecordingController(*test, "Loose", log);
    nav.presentViewController(owned, true);
    nav.presentViewController(parentless, true);
    QCOMPARE(nav.modalViewController(), first);
    QVERIFY(log.isEmpty());
    QTRY_VERIFY(parentless.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(owned);
    QVERIFY(!owned->isOnStack());
    QCOMPARE(owned->parent(), &owner);

    // Presenting the shown screen again changes nothing.
    nav.presentViewController(first, true);
    QCOMPARE(nav.modalViewController(), first);
    QVERIFY(first->isOnStack());
    nav.dismissViewController(false);
    QCOMPARE(nav.modalViewController(), nullptr);
}

void tst_Navigation::removedControllersAreDeletedOrWaitForTheirView()
{
    TestContext test;
    QStringList log;
    NavigationController &nav = test->navigation();
    QPointer<ViewController> first = new RecordingController(*test, "1", log);
    nav.setViewControllers({first}, false);
    nav.setViewControllers({new RecordingController(*test, "2", log)}, false);
    QTRY_VERIFY(first.isNull());

    nav.setViewsAttached(true);
    QPointer<ViewController> second = nav.topViewController();
    nav.setViewControllers({new RecordingController(*test, "3", log)}, false);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!second.isNull());                      // its view may still be leaving
    nav.releaseController(nav.topViewController()); // a screen on the stack is not released
    nav.releaseController(second);
    QTRY_VERIFY(second.isNull());
    QVERIFY(nav.topViewController());
}

void tst_Navigation::alertButtonsAndCallbacks()
{
    TestContext test;
    AlertPresenter &alerts = test->alerts();
    QObject owner;
    QList<int> answers;
    alerts.showCommonAlert(QStringLiteral("网络连接中断"), QStringLiteral("您的网络连接已断开"));
    alerts.showAlert("t", "m", QStringLiteral("取消"), {QStringLiteral("去更新")}, 7, &owner,
                     [&](int index) { answers << index; });
    QCOMPARE(alerts.alertCount(), 2);
    QCOMPARE(alerts.currentAlert()->tag, 7);
    QCOMPARE(alerts.alertButtons(), QStringList({"取消", "去更新"}));
    QCOMPARE(alerts.cancelButtonIndex(), 0);
    alerts.answer(5); // no such button
    QCOMPARE(alerts.alertCount(), 2);
    alerts.answer(1);
    QCOMPARE(answers, QList<int>({1}));
    // The earlier alert shows again.
    QCOMPARE(alerts.alertTitle(), QStringLiteral("网络连接中断"));
    QCOMPARE(alerts.alertButtons(), QStringList({"确定"}));
    alerts.answer(0);
    QVERIFY(!alerts.alertVisible());

    alerts.showActionSheet(QString(), QStringLiteral("取消"), QStringLiteral("删除"),
                           {QStringLiteral("举报")}, &owner, [&](int index) { answers << index; });
    QVERIFY(alerts.isActionSheet());
    QCOMPARE(alerts.alertButtons(), QStringList({"删除", "举报", "取消"}));
    QCOMPARE(alerts.destructiveButtonIndex(), 0);
    QCOMPARE(alerts.cancelButtonIndex(), 2);
    alerts.answer(2);
    QCOMPARE(answers, QList<int>({1, 2}));
}

void tst_Navigation::callbackOfAGoneOwnerNeverRuns()
{
    TestContext test;
    int calls = 0;
    {
        QObject owner;
        test->alerts().showAlert("t", QString(), "a", {"b"}, 0, &owner, [&](int) { ++calls; });
    }
    test->alerts().answer(1);
    QCOMPARE(calls, 0);
    QVERIFY(!test->alerts().alertVisible());
}

void tst_Navigation::noticeHidesItself()
{
    TestContext test;
    AlertPresenter &alerts = test->alerts();
    QCOMPARE(alerts.noticeMilliseconds(), 1500);
    alerts.setNoticeMilliseconds(50);
    alerts.showAutoHiddenNotice(QStringLiteral("操作成功"));
    QVERIFY(alerts.noticeVisible());
    QCOMPARE(alerts.noticeText(), QStringLiteral("操作成功"));
    QVERIFY(!alerts.alertVisible()); // a notice is no alert: nothing to answer
    QTRY_VERIFY_WITH_TIMEOUT(!alerts.noticeVisible(), 1000);
}

QTEST_GUILESS_MAIN(tst_Navigation)
#include "tst_navigation.moc"
