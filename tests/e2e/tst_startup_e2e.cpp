// The built client, started as a user would start it, against a loopback web
// host: it fetches the configuration, reaches the sign-in screen, reuses the
// configuration on the next start, and takes push payloads from `--push`.

#include "LoopbackHttpServer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray kOptions =
    R"({"api":{"host":"127.0.0.1","port":18081},"message":{"host":"127.0.0.1","port":18082}})";

// One run of the client; stopped when destroyed.
class ClientProcess {
public:
    ClientProcess(const QString &webHost, const QString &dataDir)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_LOGGING_RULES", "nuvora.ui.info=true");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process_.setProcessEnvironment(environment);
        process_.setProgram(QStringLiteral(NUVORA_CLIENT_PATH));
        process_.setArguments({"--web-host", webHost, "--data-dir", dataDir, "--position",
                               "31.2304,121.4737", "-platform", "offscreen"});
        QObject::connect(&process_, &QProcess::readyReadStandardError,
                         [this] { log_ += process_.readAllStandardError(); });
        process_.start();
    }
    ~ClientProcess()
    {
        process_.kill();
        process_.waitForFinished();
    }
    bool waitForLog(const QByteArray &text, int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&] { return log_.contains(text); }, timeoutMs);
    }
    const QByteArray &log() const { return log_; }
    QProcess &process() { return process_; }

private:
    QProcess process_;
    QByteArray log_;
};

int runPush(const QString &dataDir, const QByteArray &payload)
{
    QProcess push;
    push.start(QStringLiteral(NUVORA_CLIENT_PATH), {"--data-dir", dataDir, "--push", payload});
    // The running client answers from this process's event loop's point of view
    // on its own, so a blocking wait is fine here.
    if (!push.waitForFinished(15000))
        return -1;
    return push.exitCode();
}
} // namespace

class tst_StartupE2E : public QObject {
    Q_OBJECT
private slots:
    void reachesSignInAndReusesTheConfiguration();
    void rejectsABadCommandLine();
};

void tst_StartupE2E::reachesSignInAndReusesTheConfiguration()
{
    LoopbackHttpServer web;
    web.setReply("/m/iphone2.0.0.json", ScriptedReply::json(kOptions));
    QTemporaryDir data;
    {
        ClientProcess client(web.baseUrl(), data.path());
        QVERIFY2(client.waitForLog("showing LoginViewController"), client.log().constData());
        QCOMPARE(web.requests().size(), 1);
        QCOMPARE(web.requests()[0].target, QByteArray("/m/iphone2.0.0.json"));
        QVERIFY2(!client.log().contains("qml:") && !client.log().contains("QML"),
                 client.log().constData());

        QCOMPARE(runPush(data.path(), R"({"type":3,"pid":15})"), 0);
        QCOMPARE(runPush(data.path(), "not json"), 1);
    }
    QFile settings(data.filePath("settings.json"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray stored = settings.readAll();
    QVERIFY(stored.contains("\"apiserveraddresskey\": \"http://127.0.0.1:18081/iphone/2.0/\""));
    QVERIFY(stored.contains("\"latitudekey\": \"31.230400\""));
    QVERIFY(stored.contains("\"clientinfokey\": \"Nuvora/2.0.0"));

    // Within the hour the stored addresses serve; no client runs for --push now.
    {
        ClientProcess again(web.baseUrl(), data.path());
        QVERIFY2(again.waitForLog("showing LoginViewController"), again.log().constData());
        QCOMPARE(web.requests().size(), 1);
    }
    QVERIFY(runPush(data.path(), R"({"type":3})") != 0);
}

void tst_StartupE2E::rejectsABadCommandLine()
{
    QProcess client;
    client.start(QStringLiteral(NUVORA_CLIENT_PATH),
                 {"--position", "north", "-platform", "offscreen"});
    QVERIFY(client.waitForFinished(15000));
    QCOMPARE(client.exitCode(), 2);
    QVERIFY(client.readAllStandardError().contains("--position"));
}

QTEST_GUILESS_MAIN(tst_StartupE2E)
#include "tst_startup_e2e.moc"
