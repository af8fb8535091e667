// The request routine of every screen, against the strict loopback API: one request per
// purpose, busy for the view, the success handler on status 1, the common alert or the
// screen's own handler on failure, nothing after the owner went, the fetcher released
// after its callback, a handler that starts the next request of its own slot, and no
// alert from a screen that is not in front.

#include "ClientTestContext.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(ScriptedReply)

namespace {
const QString kScript = QStringLiteral("lbs.php");

class PlainScreen : public ViewController {
public:
    using ViewController::ViewController;
};
} // namespace

class tst_RequestSlot : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void oneRequestAtATimeAndSuccess();
    void failureAlertsUnlessTheScreenHandlesIt_data();
    void failureAlertsUnlessTheScreenHandlesIt();
    void destroyedOwnerHearsNothing();
    void handlerMayStartTheNextRequest();
    void screenNotInFrontFailsQuietly();

private:
    AppContext &context() { return test_->context(); }

    std::unique_ptr<ClientTestContext> test_;
    std::unique_ptr<QObject> owner_;
};

void tst_RequestSlot::init()
{
    test_ = std::make_unique<ClientTestContext>();
    owner_ = std::make_unique<QObject>();
}

void tst_RequestSlot::cleanup()
{
    owner_.reset();
    test_.reset();
}

void tst_RequestSlot::oneRequestAtATimeAndSuccess()
{
    test_->replyFixture(kScript, "lbs_shanghai.json");
    auto *slot = new RequestSlot(context(), owner_.get());
    QSignalSpy busy(slot, &RequestSlot::busyChanged);
    int shi = -1;
    bool failed = false;
    QPointer<JSONFetcher> fetcher;
    const auto onSuccess = [&](const JSONFetcher &reply) {
        // The reply is readable during the callback, and the slot already free.
        QVERIFY(!slot->busy());
        shi = int(reply.reply()["shi_id"].toInteger());
    };
    QVERIFY(slot->post(kScript, {{"lat", "31.230400"}}, onSuccess,
                       [&](const JSONFetcher &) { failed = true; }));
    QVERIFY(slot->busy());
    QCOMPARE(busy.size(), 1);
    fetcher = slot->findChild<JSONFetcher *>();
    QVERIFY(fetcher);

    // A repeated tap while the request is out sends nothing.
    QVERIFY(!slot->post(kScript, {}, onSuccess));
    QCOMPARE(ClientTestContext::requestsInFlight(*slot), 1);

    QTRY_COMPARE(shi, 1);
    QVERIFY(!failed);
    QCOMPARE(busy.size(), 2);
    QCOMPARE(test_->requestsTo(kScript), 1);
    QCOMPARE(test_->lastFormOf(kScript), (QList<QPair<QString, QString>>{{"lat", "31.230400"}}));
    QVERIFY(!context().alerts().alertVisible());
    // Released once its callback has returned.
    QTRY_VERIFY(fetcher.isNull());
}

void tst_RequestSlot::failureAlertsUnlessTheScreenHandlesIt_data()
{
    QTest::addColumn<ScriptedReply>("reply");
    QTest::addColumn<QString>("message");
    QTest::newRow("refused") << ScriptedReply::fixture("not_signed_in.json") << "请先登录";
    QTest::newRow("refused, status as text")
        << ScriptedReply::json(R"({"status":"0","message":"服务器忙"})") << "服务器忙";
    QTest::newRow("not JSON") << ScriptedReply::json("<html>busy</html>") << "网络连接失败";
    QTest::newRow("HTTP error") << ScriptedReply::json("{}", 502) << "网络连接失败";
    ScriptedReply closed;
    closed.closeAbruptly = true;
    QTest::newRow("connection closed") << closed << "网络连接失败";
}

void tst_RequestSlot::failureAlertsUnlessTheScreenHandlesIt()
{
    QFETCH(ScriptedReply, reply);
    QFETCH(QString, message);
    test_->reply(kScript, reply);
    AlertPresenter &alerts = context().alerts();
    auto *slot = new RequestSlot(context(), owner_.get());
    bool succeeded = false;
    slot->post(kScript, {}, [&](const JSONFetcher &) { succeeded = true; });
    // The common alert: the message as its title, no text.
    QTRY_VERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertTitle(), message);
    QCOMPARE(alerts.alertMessage(), QString());
    QCOMPARE(alerts.alertButtons(), QStringList{"确定"});
    QVERIFY(!slot->busy());
    alerts.answer(0);

    // A screen with its own failure handler shows no alert.
    QString handled;
    slot->post(
        kScript, {}, [&](const JSONFetcher &) { succeeded = true; },
        [&](const JSONFetcher &failed) { handled = failed.message(); });
    QTRY_COMPARE(handled, message);
    QCOMPARE(alerts.alertCount(), 0);
    QVERIFY(!succeeded);
}

void tst_RequestSlot::destroyedOwnerHearsNothing()
{
    // A failure would show an alert if anything still reached the owner.
    test_->replyFixture(kScript, "not_signed_in.json");
    auto *slot = new RequestSlot(context(), owner_.get());
    int calls = 0;
    slot->post(
        kScript, {}, [&](const JSONFetcher &) { ++calls; }, [&](const JSONFetcher &) { ++calls; });
    QPointer<JSONFetcher> fetcher = slot->findChild<JSONFetcher *>();
    QVERIFY(test_->api().waitForRequests(1));
    owner_.reset();
    QVERIFY(fetcher.isNull());

    // A later request of another screen comes back; the first reply went nowhere.
    QObject other;
    RequestSlot later(context(), &other);
    bool answered = false;
    later.post(kScript, {}, {}, [&](const JSONFetcher &) { answered = true; });
    QTRY_VERIFY(answered);
    QCOMPARE(calls, 0);
    QCOMPARE(context().alerts().alertCount(), 0);
}

void tst_RequestSlot::handlerMayStartTheNextRequest()
{
    test_->replyFixture(kScript, "lbs_shanghai.json");
    auto *slot = new RequestSlot(context(), owner_.get());
    QStringList steps;
    slot->post(kScript, {{"step", "1"}}, [&](const JSONFetcher &) {
        steps << "first";
        const bool started =
            slot->post(kScript, {{"step", "2"}}, [&](const JSONFetcher &) { steps << "second"; });
        steps << (started ? "started" : "refused");
    });
    QTRY_COMPARE(steps, (QStringList{"first", "started", "second"}));
    QCOMPARE(test_->requestsTo(kScript), 2);
    QCOMPARE(test_->lastFormOf(kScript), (QList<QPair<QString, QString>>{{"step", "2"}}));
    QVERIFY(!slot->busy());
}

void tst_RequestSlot::screenNotInFrontFailsQuietly()
{
    // A hub section kept between visits: opened, left at once, its page failing later.
    NavigationController &navigation = context().navigation();
    auto *hub = new PlainScreen(context());
    navigation.setViewControllers({hub}, false);
    // The hub keeps it; its list sits under it, as a screen's paged query does.
    auto *section = new PlainScreen(context(), owner_.get());
    auto *slot = new RequestSlot(context(), new QObject(section));
    ScriptedReply late = ScriptedReply::fixture("not_signed_in.json");
    late.delayMs = 200;
    test_->reply(kScript, late);
    navigation.pushViewController(section, false);
    slot->post(kScript, {}, {});
    navigation.popViewController(false);
    QVERIFY(!section->isInFront());
    QTRY_VERIFY(!slot->busy());
    QCOMPARE(context().alerts().alertCount(), 0);

    // Covered by another screen pushed over it: quiet too.
    navigation.pushViewController(section, false);
    navigation.pushViewController(new PlainScreen(context()), false);
    test_->reply(kScript, late);
    slot->post(kScript, {}, {});
    QTRY_VERIFY(!slot->busy());
    QCOMPARE(context().alerts().alertCount(), 0);

    // Back in front, its failure is told.
    navigation.popViewController(false);
    QVERIFY(section->isInFront());
    test_->replyFixture(kScript, "not_signed_in.json");
    slot->post(kScript, {}, {});
    QTRY_VERIFY(context().alerts().alertVisible());
    QCOMPARE(context().alerts().alertTitle(), QStringLiteral("请先登录"));
    navigation.setViewControllers({new PlainScreen(context())}, false);
}

QTEST_GUILESS_MAIN(tst_RequestSlot)
#include "tst_requestslot.moc"
