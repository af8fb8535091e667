#pragma once
// A fresh application context per test, over its own temporary data directory,
// with Qt's standard paths in test mode, the platform services simulated (no real
// position source, no external URL handlers), a session and a recording session flow.

#include "RecordingSessionFlow.h"
#include "platform/AppContext.h"

#include <QTemporaryDir>

#include <memory>

class TestContext {
public:
    explicit TestContext(const QUrl &webHost = QUrl(QStringLiteral("http://127.0.0.1:9")));
    ~TestContext();

    AppContext &operator*() { return *context_; }
    AppContext *operator->() { return context_.get(); }
    AppContext &context() { return *context_; }
    QString dataDirectory() const { return dir_.path(); }
    QString settingsPath() const;
    // What the session flow was asked for (until a real one replaces it).
    RecordingSessionFlow &sessionFlow() { return flow_; }

    // A new context over the same data directory, as a restarted client would see it.
    AppContext &restart();
    // Destroys the context (its screens first) ahead of what it uses.
    void resetContext() { context_.reset(); }

private:
    void build();

    QTemporaryDir dir_;
    QUrl webHost_;
    RecordingSessionFlow flow_;
    std::unique_ptr<AppContext> context_;
};
