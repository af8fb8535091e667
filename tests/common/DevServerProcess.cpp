#include "DevServerProcess.h"

#include <QDeadlineTimer>
#include <QRegularExpression>

DevServerProcess::DevServerProcess()
{
    process_.setProcessChannelMode(QProcess::SeparateChannels);
}

DevServerProcess::~DevServerProcess()
{
    stop();
}

bool DevServerProcess::start(bool seed, int timeoutMs)
{
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary directory");
        return false;
    }
    QStringList arguments = {QStringLiteral("--data"),      dir_.path(),
                             QStringLiteral("--http-port"), QStringLiteral("0"),
                             QStringLiteral("--chat-port"), QStringLiteral("0")};
    if (seed)
        arguments << QStringLiteral("--seed");
    process_.start(QStringLiteral(NUVORA_DEVSERVER_PATH), arguments);
    if (!process_.waitForStarted(timeoutMs)) {
        error_ = QStringLiteral("cannot start %1: %2")
                     .arg(QStringLiteral(NUVORA_DEVSERVER_PATH), process_.errorString());
        return false;
    }

    static const QRegularExpression ready(QStringLiteral(
        "^nuvora-devserver ready http=(\\d+) chat=(\\d+) demo=(\\S+) password=(\\S+)$"));
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (process_.state() != QProcess::Running) {
            error_ = QStringLiteral("server exited: %1")
                         .arg(QString::fromLocal8Bit(process_.readAllStandardError()));
            return false;
        }
        if (!process_.canReadLine()
            && !process_.waitForReadyRead(
                static_cast<int>(qMax<qint64>(1, deadline.remainingTime()))))
            continue;
        while (process_.canReadLine()) {
            const QString line = QString::fromUtf8(process_.readLine()).trimmed();
            const auto match = ready.match(line);
            if (!match.hasMatch())
                continue;
            httpPort_ = match.captured(1).toUShort();
            chatPort_ = match.captured(2).toUShort();
            demoEmail_ = match.captured(3);
            demoPassword_ = match.captured(4);
            return true;
        }
    }
    error_ = QStringLiteral("no ready line within %1 ms").arg(timeoutMs);
    stop();
    return false;
}

void DevServerProcess::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

QString DevServerProcess::webHost() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(httpPort_);
}

QString DevServerProcess::apiBase() const
{
    return webHost() + QStringLiteral("/iphone/2.0/");
}
