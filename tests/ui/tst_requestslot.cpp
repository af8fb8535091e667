// The request routine of every screen, against the strict loopback API: one request per
// purpose, busy for the view, the success handler on status 1, the common alert or the
// screen's own handler on failure, nothing after the owner went, the fetcher released
// after its callback, a handler that starts the next request of its own slot, and no
// alert from a screen that is not in front; an upload over a slow uplink that outlasts the
// time-out yet completes, its progress rising, and a stalled one that still times out.

#include "ClientTestContext.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include <sys/socket.h>

Q_DECLARE_METATYPE(ScriptedReply)

namespace {
const QString kScript = QStringLiteral("lbs.php");

class PlainScreen : public ViewController {
public:
    using ViewController::ViewController;
};

// A server on a slow uplink: takes `chunk` bytes of a request every `intervalMs`, with
// small socket buffers so that the client's sending keeps pace with the reading; answers
// status 1 once the whole body is in. With `stallAfter` >= 0 it stops reading for good
// after that many bytes.
class SlowReader : public QObject {
public:
    SlowReader(qsizetype chunk, int intervalMs, qsizetype stallAfter = -1)
        : chunk_(chunk), stallAfter_(stallAfter)
    {
        QVERIFY(server_.listen(QHostAddress::LocalHost));
        // Accepted sockets take the listening socket's buffer size.
        const int small = 4096;
        QCOMPARE(::setsockopt(int(server_.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &small,
                              sizeof small),
                 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            socket_ = server_.nextPendingConnection();
            socket_->setReadBufferSize(chunk_);
        });
        connect(&timer_, &QTimer::timeout, this, &SlowReader::take);
        timer_.start(intervalMs);
    }

    QString address() const
    {
        return QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort());
    }
    qsizetype bodyBytesRead() const { return body_; }

private:
    void take()
    {
        if (!socket_ || answered_ || (stallAfter_ >= 0 && received_.size() >= stallAfter_))
            return;
        received_ += socket_->read(chunk_);
        const qsizetype end = received_.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        static const QRegularExpression lengthHeader(QStringLiteral("content-length: *(\\d+)"),
                                                     QRegularExpression::CaseInsensitiveOption);
        const qsizetype length =
            lengthHeader.match(QString::fromLatin1(received_.left(end))).captured(1).toLongLong();
        body_ = received_.size() - end - 4;
        if (body_ < length)
            return;
        answered_ = true;
        const QByteArray reply = R"({"status":1,"message":"ok"})";
        socket_->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                       + QByteArray::number(reply.size()) + "\r\nConnection: close\r\n\r\n"
                       + reply);
    }

    QTcpServer server_;
    QPointer<QTcpSocket> socket_;
    QTimer timer_;
    QByteArray received_;
    qsizetype chunk_;
    qsizetype stallAfter_;
    qsizetype body_ = 0;
    bool answered_ = false;
};

QVariantMap photoUpload(qsizetype bytes)
{
    return {
        {QStringLiteral("text"), QStringLiteral("夜景")},
        {QStringLiteral("file"), QVariantMap{{QStringLiteral("img"), QByteArray(bytes, '\xd8')}}}};
}
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
    void slowUploadOutlastsTheTimeoutWhileItMoves();
    void stalledUploadTimesOut();

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

void tst_RequestSlot::slowUploadOutlastsTheTimeoutWhileItMoves()
{
    // The kernel holds up to a few megabytes of a body the server has not read yet; the
    // time-out must cover draining that, the body must be much larger.
    constexpr qsizetype kBody = 16 * 1024 * 1024;
    constexpr double kTimeout = 1;
    SlowReader server(128 * 1024, 20);
    context().session().apiServerAddress = server.address();
    auto *slot = new RequestSlot(context(), owner_.get());
    slot->setTimeoutInterval(kTimeout);
    QList<double> progress;
    connect(slot, &RequestSlot::progressChanged, [&] { progress << slot->progress(); });
    bool succeeded = false;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(slot->upload("my_photo_upload.php", photoUpload(kBody),
                         [&](const JSONFetcher &) { succeeded = true; }));
    QTRY_VERIFY_WITH_TIMEOUT(!slot->busy(), 30000);
    QVERIFY2(succeeded, qPrintable(context().alerts().alertTitle()));
    QVERIFY(!context().alerts().alertVisible());
    // It took several time-outs' worth, moving all along.
    QVERIFY2(clock.elapsed() > 2 * kTimeout * 1000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(server.bodyBytesRead() > kBody);
    QVERIFY2(progress.size() > 10, qPrintable(QString::number(progress.size())));
    QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
    QCOMPARE(progress.last(), 1.0);
}

void tst_RequestSlot::stalledUploadTimesOut()
{
    SlowReader server(16 * 1024, 10, 64 * 1024);
    context().session().apiServerAddress = server.address();
    auto *slot = new RequestSlot(context(), owner_.get());
    slot->setTimeoutInterval(0.3);
    QString failure;
    QVERIFY(slot->upload("my_photo_upload.php", photoUpload(8 * 1024 * 1024), {},
                         [&](const JSONFetcher &reply) { failure = reply.message(); }));
    QTRY_VERIFY_WITH_TIMEOUT(!slot->busy(), 10000);
    QCOMPARE(failure, QStringLiteral("网络连接失败"));
}

QTEST_GUILESS_MAIN(tst_RequestSlot)
#include "tst_requestslot.moc"
