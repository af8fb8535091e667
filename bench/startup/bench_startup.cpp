// Start-up to the first frame, each run a fresh process: the client to its sign-in screen
// (fresh data directory, configuration fetched from the stand-in server) and to its hub (a
// stored session and a fresh configuration in settings.json), beside an empty Qt Quick window
// of the same size. Wall time from starting the process to its "first frame" line, and the
// peak resident memory (VmHWM) at that moment. Offscreen, software rendering.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

namespace {

struct Launch {
    double milliseconds = 0;
    double peakMiB = 0;
};

// The peak resident set of a running process, from /proc/<pid>/status.
double peakMiBOf(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Starts `program` and waits for its "first frame" line; ends it once its memory is read.
std::optional<Launch> launch(const QString &program, const QStringList &arguments,
                             const QString &screen, QString *error)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_QUICK_BACKEND", "software");
    environment.insert("NUVORA_FIRST_FRAME", screen);
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(30000)) {
            *error = program + " showed no first frame of " + screen;
            return std::nullopt;
        }
    }
    Launch result;
    result.milliseconds = double(clock.nsecsElapsed()) / 1e6;
    result.peakMiB = peakMiBOf(process.processId());
    const QByteArray line = process.readLine().trimmed();
    process.kill();
    process.waitForFinished();
    if (line != "first frame " + screen.toUtf8()) {
        *error = program + " printed " + QString::fromUtf8(line);
        return std::nullopt;
    }
    return result;
}

class Fixture {
public:
    bool start(QString *error)
    {
        if (!server_.start()) {
            *error = server_.errorString();
            return false;
        }
        ApiTestClient api(server_.webHost());
        const ApiReply login =
            api.call("account_login.php",
                     {{"email", server_.demoEmail()}, {"password", server_.demoPassword()}});
        if (login.status() != 1) {
            *error = "the demo account cannot sign in: " + login.message();
            return false;
        }
        token_ = QString::fromStdString(login["logintoken"].toText());
        user_ = login["user"];
        return true;
    }

    QStringList clientArguments(const QString &dataDirectory) const
    {
        return {"--web-host",  server_.webHost(), "--data-dir",
                dataDirectory, "--position",      "31.2304,121.4737"};
    }

    // A signed-in user's settings: password, token and user, and a configuration fetched
    // just now, so that the client opens its hub without asking the web host.
    void seedSession(const QString &dataDirectory) const
    {
        SettingsStore settings(QDir(dataDirectory).filePath(QStringLiteral("settings.json")));
        settings.setString(SettingsKeys::password, server_.demoPassword());
        settings.setString(SettingsKeys::loginToken, token_);
        settings.setValue(SettingsKeys::defaultUser, user_);
        settings.setString(SettingsKeys::username, server_.demoEmail());
        settings.setString(SettingsKeys::apiServerAddress, server_.apiBase());
        settings.setString(SettingsKeys::firstSocketAddress, QStringLiteral("127.0.0.1"));
        settings.setString(SettingsKeys::firstSocketPort, QString::number(server_.chatPort()));
        settings.setString(SettingsKeys::lastOptionUpdateTime,
                           QString::number(QDateTime::currentSecsSinceEpoch()));
        settings.flush();
    }

private:
    DevServerProcess server_;
    QString token_;
    nuvora::json::Value user_;
};

Fixture *fixture;

enum Target { Window, SignIn, Hub };

// Every launch, per target, for the summary after the run.
std::map<Target, std::vector<Launch>> launches;

double medianOf(Target target, double Launch::*field)
{
    std::vector<double> values;
    for (const Launch &run : launches[target])
        values.push_back(run.*field);
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_FirstFrame(benchmark::State &state)
{
    const auto target = Target(state.range(0));
    std::vector<Launch> &runs = launches[target];
    for (auto _ : state) {
        QTemporaryDir data;
        QString program = QStringLiteral(NUVORA_CLIENT_PATH);
        QStringList arguments = fixture->clientArguments(data.path());
        QString screen = QStringLiteral("LoginViewController");
        if (target == Window) {
            program = QStringLiteral(BENCH_STARTUP_WINDOW_PATH);
            arguments.clear();
            screen = QStringLiteral("window");
        } else if (target == Hub) {
            fixture->seedSession(data.path());
            screen = QStringLiteral("MainViewController");
        }
        QString error;
        const std::optional<Launch> run = launch(program, arguments, screen, &error);
        if (!run) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        state.SetIterationTime(run->milliseconds / 1000.0);
        runs.push_back(*run);
    }
    state.counters["peak_MiB"] = medianOf(target, &Launch::peakMiB);
}

void printSummary()
{
    const double windowMs = medianOf(Window, &Launch::milliseconds);
    const double windowMiB = medianOf(Window, &Launch::peakMiB);
    std::printf("\n%-24s %12s %8s %12s %8s\n", "median of runs", "first frame", "ratio",
                "peak memory", "ratio");
    const std::pair<Target, const char *> rows[] = {
        {Window, "empty window"}, {SignIn, "sign-in screen"}, {Hub, "hub, stored session"}};
    for (const auto &[target, name] : rows) {
        if (launches[target].empty())
            continue;
        const double ms = medianOf(target, &Launch::milliseconds);
        const double mib = medianOf(target, &Launch::peakMiB);
        std::printf("%-24s %9.0f ms %7.2fx %8.1f MiB %7.2fx\n", name, ms,
                    windowMs > 0 ? ms / windowMs : 0.0, mib, windowMiB > 0 ? mib / windowMiB : 0.0);
    }
}

} // namespace

BENCHMARK(BM_FirstFrame)
    ->Arg(Window)
    ->Arg(SignIn)
    ->Arg(Hub)
    ->ArgNames({"target"})
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Fixture f;
    QString error;
    if (!f.start(&error)) {
        std::fprintf(stderr, "bench_startup: %s\n", qPrintable(error));
        return 1;
    }
    fixture = &f;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
