// The request layer against a loopback server that records the raw request
// bytes: what goes out on the wire, and how every kind of reply and failure
// reaches the receiver, once, after the application-wide reply processing.

#include "FormParser.h"
#include "LoopbackHttpServer.h"
#include "TestContext.h"
#include "api/HTTPFetcher.h"
#include "api/JSONFetcher.h"
#include "api/MultipartPOSTFetcher.h"
#include "model/Session.h"
#include "platform/Clock.h"
#include "platform/NetworkAccess.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

#include <zlib.h>

namespace json = nuvora::json;

namespace {
using Header = QPair<QByteArray, QByteArray>;
const QString kScript = QStringLiteral("user_nearby.php");

QByteArray gzip(const QByteArray &data)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(data.size()))) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// What a receiver saw in its one callback.
struct Outcome {
    int calls = 0;
    int status = -1;
    QString message;
    int failureCode = -1;
    std::optional<json::Value> result;
    QStringList notificationsBefore;
};
} // namespace

class tst_Fetchers : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void formPostOnTheWire();
    void cookieDefaultsWithoutStoredValues();
    void formEscapingReadsBackExactly_data();
    void formEscapingReadsBackExactly();
    void emptyParametersStillPost();
    void multipartUploadOnTheWire();
    void multipartWithoutParametersHasNoBody();
    void plainGetAddsNothing();

    void successfulReplyAndItsFields();
    void gzipReplyIsInflated();
    void httpErrorStatus();
    void bodyThatIsNotJson_data();
    void bodyThatIsNotJson();
    void oversizedOrBrokenReplies_data();
    void oversizedOrBrokenReplies();
    void timeOutWithAShortenedInterval();
    void cancelledOrOwnerlessCallsStaySilent();

    void feedCountersAndNotificationOrder();
    void replyWithoutFeedNotifyRemovesCounters();
    void profileVersionComparedWithTheSignedInUser();

private:
    template <class F> F *adopt(F *fetcher)
    {
        fetcher->setParent(receiver_.get());
        return fetcher;
    }
    JSONFetcher *post(const QVariantMap &parameters, Outcome &outcome);
    void run(HTTPFetcher *fetcher, Outcome &outcome);
    QString base() const { return server_->baseUrl() + QStringLiteral("/iphone/2.0/"); }

    std::unique_ptr<TestContext> test_;
    std::unique_ptr<LoopbackHttpServer> server_;
    std::unique_ptr<QObject> receiver_;
    QStringList posted_;
};

void tst_Fetchers::init()
{
    server_ = std::make_unique<LoopbackHttpServer>();
    // What goes out is under test here; a script without a reply answers 404.
    server_->setAllowsUnscriptedPaths(true);
    test_ = std::make_unique<TestContext>(QUrl(server_->baseUrl()));
    receiver_ = std::make_unique<QObject>();
    posted_.clear();
    for (const QString &name : {NotificationNames::remind, NotificationNames::userInfoChanged}) {
        (*test_)->notifications().addObserver(receiver_.get(), name,
                                              [this, name](const QVariant &) { posted_ << name; });
    }
}

void tst_Fetchers::cleanup()
{
    receiver_.reset();
    test_.reset();
    server_.reset();
}

JSONFetcher *tst_Fetchers::post(const QVariantMap &parameters, Outcome &outcome)
{
    auto *fetcher = new JSONFetcher(test_->context(), base(), kScript, parameters, receiver_.get(),
                                    [&outcome, this](JSONFetcher *f) {
                                        ++outcome.calls;
                                        outcome.status = f->status();
                                        outcome.message = f->message();
                                        outcome.failureCode = f->failureCode();
                                        outcome.result = f->result();
                                        outcome.notificationsBefore = posted_;
                                    });
    fetcher->setParent(receiver_.get());
    return fetcher;
}

void tst_Fetchers::run(HTTPFetcher *fetcher, Outcome &outcome)
{
    fetcher->start();
    QTRY_COMPARE_WITH_TIMEOUT(outcome.calls, 1, 10000);
    // Exactly once: the call is closed, so nothing can arrive later either.
    QVERIFY(!fetcher->isRunning());
    QCOMPARE(outcome.calls, 1);
}

void tst_Fetchers::formPostOnTheWire()
{
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::loginToken, "tok123");
    settings.setString(SettingsKeys::sheng, "9");
    settings.setString(SettingsKeys::shi, "2");
    settings.setString(SettingsKeys::latitude, "31.230400");
    settings.setString(SettingsKeys::longitude, "121.473700");
    settings.setString(SettingsKeys::clientInfo, "Nuvora/2.0.0 device/x86_64 iOS/12");
    server_->setReply("/iphone/2.0/" + kScript, ScriptedReply::json(R"({"status":1})"));
    Outcome outcome;
    run(post({{"page", "1"}, {"sex", "2"}}, outcome), outcome);

    const RecordedRequest &request = server_->requests().at(0);
    QVERIFY(request.raw.startsWith("POST /iphone/2.0/user_nearby.php HTTP/1.1\r\n"));
    QCOMPARE(request.header("Accept-Encoding"), QByteArray("gzip"));
    QCOMPARE(request.header("Cookie"),
             QByteArray("token=tok123; sheng=9; shi=2; lat=31.230400; lng=121.473700"));
    QCOMPARE(request.header("User-Agent"), QByteArray("Nuvora/2.0.0 device/x86_64 iOS/12"));
    QCOMPARE(request.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(request.body, QByteArray("page=1&sex=2"));
    QCOMPARE(request.header("Content-Length"), QByteArray("12"));
}

void tst_Fetchers::cookieDefaultsWithoutStoredValues()
{
    (*test_)->settings().setString(SettingsKeys::shi, QString()); // empty = no region yet
    Outcome outcome;
    run(post({}, outcome), outcome);
    QCOMPARE(server_->requests().at(0).header("Cookie"),
             QByteArray("token=; sheng=0; shi=0; lat=0; lng=0"));
}

void tst_Fetchers::formEscapingReadsBackExactly_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("wire");
    QTest::newRow("space and ampersand") << "nickname"
                                         << "a b&c" << QByteArray("nickname=a%20b%26c");
    QTest::newRow("plus") << "about"
                          << "C++" << QByteArray("about=C%2B%2B");
    QTest::newRow("equals in key and value") << "k=1"
                                             << "x=y" << QByteArray("k%3D1=x%3Dy");
    QTest::newRow("chinese") << "mood"
                             << "今晚去蹦迪"
                             << QByteArray("mood=%E4%BB%8A%E6%99%9A%E5%8E%BB%E8%B9%A6%E8%BF%AA");
    QTest::newRow("reserved kept")
        << "u"
        << "a/b?c:d@e;f$g,h!i~j*k'l(m)n-o_p.q" << QByteArray("u=a/b?c:d@e;f$g,h!i~j*k'l(m)n-o_p.q");
    QTest::newRow("percent, hash, quote, newline") << "t"
                                                   << "100% #1 \"x\"\n"
                                                   << QByteArray("t=100%25%20%231%20%22x%22%0A");
    QTest::newRow("emoji") << "e" << QString::fromUtf8("\xF0\x9F\x8E\x89")
                           << QByteArray("e=%F0%9F%8E%89");
}

void tst_Fetchers::formEscapingReadsBackExactly()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, wire);
    Outcome outcome;
    run(post({{key, value}}, outcome), outcome);
    const QByteArray body = server_->requests().at(0).body;
    QCOMPARE(body, wire);
    const auto pairs = FormParser::parse(body);
    QCOMPARE(pairs.size(), 1);
    QCOMPARE(pairs[0].first, key);
    QCOMPARE(pairs[0].second, value);
}

void tst_Fetchers::emptyParametersStillPost()
{
    Outcome outcome;
    run(post({}, outcome), outcome);
    const RecordedRequest &request = server_->requests().at(0);
    QCOMPARE(request.method, QByteArray("POST"));
    QCOMPARE(request.body, QByteArray());
    QCOMPARE(request.header("Content-Length"), QByteArray("0"));
}

void tst_Fetchers::multipartUploadOnTheWire()
{
    (*test_)->clock().setNow(QDateTime::fromMSecsSinceEpoch(1'700'000'000'600));
    const QByteArray jpeg("\xFF\xD8\xFF\xE0 not really \r\n--jpeg\xFF\xD9", 24);
    Outcome outcome;
    auto *fetcher = new MultipartPOSTFetcher(
        test_->context(), base(), "my_photo_upload.php",
        {{"file", QVariantMap{{"img", jpeg}}}, {"content", "夜景 & more"}, {"pid", "7"}},
        receiver_.get(), [&](JSONFetcher *) { ++outcome.calls; });
    fetcher->setParent(receiver_.get());
    const QByteArray boundary = fetcher->boundary();
    QVERIFY(QRegularExpression("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$")
                .match(QString::fromLatin1(boundary))
                .hasMatch());
    run(fetcher, outcome);

    const RecordedRequest &request = server_->requests().at(0);
    QVERIFY(request.raw.startsWith("POST /iphone/2.0/my_photo_upload.php HTTP/1.1\r\n"));
    QCOMPARE(request.header("Content-Type"), "multipart/form-data; boundary=" + boundary);
    QCOMPARE(request.header("Connection").toLower(), QByteArray("keep-alive"));
    QCOMPARE(request.header("Accept-Encoding"), QByteArray("gzip"));
    QCOMPARE(request.header("Cookie"), QByteArray("token=; sheng=0; shi=0; lat=0; lng=0"));
    const QByteArray expected =
        "--" + boundary
        + "\r\n"
          "Content-Disposition: form-data; name=\"content\"\r\n\r\n"
        + QStringLiteral("夜景 & more").toUtf8()
        + "\r\n"
          "--"
        + boundary
        + "\r\n"
          "Content-Disposition: form-data; name=\"img\"; filename=\"1700000001.jpg\"\r\n"
          "Content-Type: image/jpeg\r\n\r\n"
        + jpeg
        + "\r\n"
          "--"
        + boundary
        + "\r\n"
          "Content-Disposition: form-data; name=\"pid\"\r\n\r\n7\r\n"
          "--"
        + boundary + "--";
    QCOMPARE(request.body, expected);
    QCOMPARE(request.header("Content-Length"), QByteArray::number(expected.size()));
}

void tst_Fetchers::multipartWithoutParametersHasNoBody()
{
    Outcome outcome;
    auto *fetcher =
        new MultipartPOSTFetcher(test_->context(), base(), "my_bander_upload.php", {},
                                 receiver_.get(), [&](JSONFetcher *) { ++outcome.calls; });
    fetcher->setParent(receiver_.get());
    run(fetcher, outcome);
    QCOMPARE(server_->requests().at(0).body, QByteArray());
    QCOMPARE(server_->requests().at(0).header("Content-Length"), QByteArray("0"));
}

void tst_Fetchers::plainGetAddsNothing()
{
    (*test_)->settings().setString(SettingsKeys::loginToken, "secret-token");
    (*test_)->settings().setString(SettingsKeys::clientInfo, "Nuvora/2.0.0 device/x iOS/1");
    server_->setReply("/m/iphone2.0.0.json", ScriptedReply::json(R"({"api":{}})"));
    Outcome outcome;
    auto *fetcher =
        JSONFetcher::document(test_->context(), server_->baseUrl() + "/m/iphone2.0.0.json",
                              receiver_.get(), [&](JSONFetcher *f) {
                                  ++outcome.calls;
                                  outcome.result = f->result();
                              });
    fetcher->setParent(receiver_.get());
    run(fetcher, outcome);
    const RecordedRequest &request = server_->requests().at(0);
    QCOMPARE(request.method, QByteArray("GET"));
    QVERIFY(!request.hasHeader("Cookie"));
    QVERIFY(request.header("User-Agent") != "Nuvora/2.0.0 device/x iOS/1");
    QVERIFY(outcome.result && (*outcome.result)["api"].isObject());
}

void tst_Fetchers::successfulReplyAndItsFields()
{
    server_->setReply("/iphone/2.0/" + kScript,
                      ScriptedReply::json(R"({"status":1,"message":"成功","users":[{"uid":5}]})"));
    Outcome outcome;
    run(post({{"page", "1"}}, outcome), outcome);
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.message, QStringLiteral("成功"));
    QCOMPARE(outcome.failureCode, 0);
    QVERIFY(outcome.result);
    QCOMPARE((*outcome.result)["users"].asArray().at(0)["uid"].toInteger(), 5);

    // Another status, and no message: the failure text stands in.
    server_->setReply("/iphone/2.0/" + kScript, ScriptedReply::json(R"({"status":"2"})"));
    Outcome other;
    run(post({}, other), other);
    QCOMPARE(other.status, 2);
    QCOMPARE(other.message, QStringLiteral("网络连接失败"));
}

void tst_Fetchers::gzipReplyIsInflated()
{
    const QByteArray body =
        R"({"status":1,"message":"压缩","pad":")" + QByteArray(5000, 'x') + "\"}";
    ScriptedReply reply = ScriptedReply::json(gzip(body));
    reply.headers.append(Header("Content-Encoding", "gzip"));
    server_->setReply("/iphone/2.0/" + kScript, reply);
    Outcome outcome;
    run(post({}, outcome), outcome);
    QCOMPARE(outcome.status, 1);
    QCOMPARE(outcome.message, QStringLiteral("压缩"));
}

void tst_Fetchers::httpErrorStatus()
{
    // No script at that path: 404.
    Outcome outcome;
    run(adopt(new JSONFetcher(test_->context(), base(), "missing.php", {}, receiver_.get(),
                              [&](JSONFetcher *f) {
                                  ++outcome.calls;
                                  outcome.status = f->status();
                                  outcome.failureCode = f->failureCode();
                                  outcome.message = f->message();
                                  outcome.result = f->result();
                              })),
        outcome);
    QCOMPARE(outcome.failureCode, 404);
    QCOMPARE(outcome.status, 0);
    QVERIFY(!outcome.result);
    QCOMPARE(outcome.message, QStringLiteral("网络连接失败"));
}

void tst_Fetchers::bodyThatIsNotJson_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("html") << QByteArray("<html><body>502 Bad Gateway</body></html>");
    QTest::newRow("truncated") << QByteArray(R"({"status":1,"message":"半)");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("bare string") << QByteArray(R"("status")");
}

void tst_Fetchers::bodyThatIsNotJson()
{
    QFETCH(QByteArray, body);
    server_->setReply("/iphone/2.0/" + kScript, ScriptedReply::json(body));
    Outcome outcome;
    run(post({}, outcome), outcome);
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.message, QStringLiteral("网络连接失败"));
    QVERIFY(!outcome.result);
}

void tst_Fetchers::oversizedOrBrokenReplies_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("declared length over the cap") << 0;
    QTest::newRow("gzip bomb") << 1;
    QTest::newRow("damaged gzip") << 2;
    QTest::newRow("connection closed") << 3;
    QTest::newRow("nobody listening") << 4;
}

void tst_Fetchers::oversizedOrBrokenReplies()
{
    QFETCH(int, kind);
    ScriptedReply reply = ScriptedReply::json({});
    switch (kind) {
    case 0:
        reply.headers.append(
            {"Content-Length", QByteArray::number(HTTPFetcher::kMaxBodyBytes + 1)});
        reply.body = "{}";
        break;
    case 1:
        reply.body =
            gzip("{\"status\":1,\"x\":\"" + QByteArray(HTTPFetcher::kMaxBodyBytes, ' ') + "\"}");
        reply.headers.append(Header("Content-Encoding", "gzip"));
        break;
    case 2:
        reply.body = gzip(R"({"status":1})").left(10) + "garbage";
        reply.headers.append(Header("Content-Encoding", "gzip"));
        break;
    case 3:
        reply.closeAbruptly = true;
        break;
    }
    server_->setReply("/iphone/2.0/" + kScript, reply);
    Outcome outcome;
    if (kind == 4) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        run(adopt(new JSONFetcher(test_->context(),
                                  QStringLiteral("http://127.0.0.1:%1/").arg(port), kScript, {},
                                  receiver_.get(),
                                  [&](JSONFetcher *f) {
                                      ++outcome.calls;
                                      outcome.status = f->status();
                                      outcome.message = f->message();
                                  })),
            outcome);
    } else {
        run(post({}, outcome), outcome);
    }
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.message, QStringLiteral("网络连接失败"));
    QVERIFY(!outcome.result);
}

void tst_Fetchers::timeOutWithAShortenedInterval()
{
    ScriptedReply silent;
    silent.neverAnswer = true;
    server_->setReply("/iphone/2.0/" + kScript, silent);
    QCOMPARE((*test_)->network().defaultTimeout(), 20.0);
    (*test_)->network().setDefaultTimeout(0.3);
    Outcome outcome;
    QElapsedTimer timer;
    timer.start();
    run(post({}, outcome), outcome);
    QVERIFY(timer.elapsed() >= 280);
    QCOMPARE(outcome.message, QStringLiteral("网络连接失败"));
    QCOMPARE(outcome.status, 0);

    // The call's own interval wins over the default, which would outlast the wait in run().
    (*test_)->network().setDefaultTimeout(60);
    Outcome own;
    JSONFetcher *fetcher = post({}, own);
    fetcher->setTimeoutInterval(0.05);
    run(fetcher, own);
    QCOMPARE(own.message, QStringLiteral("网络连接失败"));
}

void tst_Fetchers::cancelledOrOwnerlessCallsStaySilent()
{
    server_->setReply("/iphone/2.0/" + kScript, ScriptedReply::json(R"({"status":1})"));
    Outcome cancelled;
    JSONFetcher *fetcher = post({}, cancelled);
    fetcher->start();
    QVERIFY(server_->waitForRequests(1));
    fetcher->cancel();
    QVERIFY(!fetcher->isRunning());

    // An owner destroyed while its call runs: the call dies with it.
    Outcome orphaned;
    auto owner = std::make_unique<QObject>();
    auto *owned = new JSONFetcher(test_->context(), base(), kScript, {}, owner.get(),
                                  [&](JSONFetcher *) { ++orphaned.calls; });
    owned->setParent(owner.get());
    owned->start();
    QVERIFY(server_->waitForRequests(2));
    owner.reset();

    // A receiver gone while the fetcher lives on elsewhere: no call either.
    Outcome unguarded;
    auto receiver = std::make_unique<QObject>();
    JSONFetcher survivor(test_->context(), base(), kScript, {}, receiver.get(),
                         [&](JSONFetcher *) { ++unguarded.calls; });
    survivor.start();
    receiver.reset();
    QVERIFY(server_->waitForRequests(3));
    // The last call's reply was read and closed it: every reply had its chance.
    QTRY_VERIFY(!survivor.isRunning());
    QCOMPARE(cancelled.calls, 0);
    QCOMPARE(orphaned.calls, 0);
    QCOMPARE(unguarded.calls, 0);
}

void tst_Fetchers::feedCountersAndNotificationOrder()
{
    server_->setReply(
        "/iphone/2.0/" + kScript,
        ScriptedReply::json(
            R"({"status":1,"feed_notify":{"feedfollowcount":4,"feedremindcount":"3","userinfoversion":2}})"));
    Outcome outcome;
    run(post({}, outcome), outcome);
    // Both notifications went out before the receiver heard of the reply, in order.
    QCOMPARE(outcome.notificationsBefore,
             QStringList({NotificationNames::remind, NotificationNames::userInfoChanged}));
    // Stored as received and flushed.
    SettingsStore &reread = test_->restart().settings();
    QCOMPARE(reread.integer(SettingsKeys::feedFollowCount), 4);
    QCOMPARE(reread.string(SettingsKeys::feedRemindCount), QStringLiteral("3"));
}

void tst_Fetchers::replyWithoutFeedNotifyRemovesCounters()
{
    SettingsStore &settings = (*test_)->settings();
    settings.setString(SettingsKeys::feedFollowCount, "9");
    settings.setString(SettingsKeys::feedRemindCount, "9");
    server_->setReply("/iphone/2.0/" + kScript, ScriptedReply::json(R"({"status":1})"));
    Outcome outcome;
    run(post({}, outcome), outcome);
    QVERIFY(!settings.contains(SettingsKeys::feedFollowCount));
    QVERIFY(!settings.contains(SettingsKeys::feedRemindCount));
    QCOMPARE(settings.integer(SettingsKeys::feedRemindCount), 0);
    QVERIFY(posted_.isEmpty());

    // A body that is not JSON clears them as well: the counters follow the last reply.
    settings.setString(SettingsKeys::feedRemindCount, "9");
    server_->setReply("/iphone/2.0/" + kScript, ScriptedReply::json("oops"));
    Outcome broken;
    run(post({}, broken), broken);
    QVERIFY(!settings.contains(SettingsKeys::feedRemindCount));
}

void tst_Fetchers::profileVersionComparedWithTheSignedInUser()
{
    json::Object user;
    user.set("uid", 8);
    user.set("userinfoversion", 5);
    (*test_)->session().setDefaultUser(json::Value(user));
    auto replyWith = [&](const QByteArray &feedNotify) {
        server_->setReply("/iphone/2.0/" + kScript,
                          ScriptedReply::json(R"({"status":1,"feed_notify":)" + feedNotify + "}"));
        posted_.clear();
        Outcome outcome;
        run(post({}, outcome), outcome);
        return outcome.notificationsBefore;
    };
    QCOMPARE(replyWith(R"({"userinfoversion":5,"feedremindcount":0})"), QStringList());
    QCOMPARE(replyWith(R"({"userinfoversion":"6"})"),
             QStringList({NotificationNames::userInfoChanged}));
    // Present without a version: compared as 0, so it differs from 5.
    QCOMPARE(replyWith(R"({"feedfollowcount":1})"),
             QStringList({NotificationNames::userInfoChanged}));
    (*test_)->session().setDefaultUser(std::nullopt);
    QCOMPARE(replyWith(R"({"feedfollowcount":1})"), QStringList());
    QCOMPARE(replyWith(R"({"feedremindcount":2})"), QStringList({NotificationNames::remind}));
}

QTEST_GUILESS_MAIN(tst_Fetchers)
#include "tst_fetchers.moc"
