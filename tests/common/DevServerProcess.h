#pragma once
// Runs the built nuvora-devserver for a test: on free ports, in a fresh
// temporary data directory, seeded; reads its ready line and stops the
// process when destroyed.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class DevServerProcess {
public:
    DevServerProcess();
    ~DevServerProcess();
    DevServerProcess(const DevServerProcess &) = delete;
    DevServerProcess &operator=(const DevServerProcess &) = delete;

    // Starts the server and waits for its ready line; false (see errorString)
    // when it exits, prints something else or takes longer than the time-out.
    bool start(bool seed = true, int timeoutMs = 30000);
    void stop();

    quint16 httpPort() const { return httpPort_; }
    quint16 chatPort() const { return chatPort_; }
    QString demoEmail() const { return demoEmail_; }
    QString demoPassword() const { return demoPassword_; }
    // "http://127.0.0.1:PORT", the client's --web-host.
    QString webHost() const;
    // The API base address, "http://127.0.0.1:PORT/iphone/2.0/".
    QString apiBase() const;
    QString dataDir() const { return dir_.path(); }
    QString errorString() const { return error_; }
    QProcess &process() { return process_; }

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 httpPort_ = 0;
    quint16 chatPort_ = 0;
    QString demoEmail_;
    QString demoPassword_;
    QString error_;
};
