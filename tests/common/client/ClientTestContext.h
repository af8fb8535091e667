#pragma once
// The context of a controller test: a fresh application context whose API server is
// a strict loopback fake (a request nobody scripted fails the test), a recording
// router, and a recording session flow.

#include "LoopbackHttpServer.h"
#include "RecordingRouter.h"
#include "TestContext.h"

class ClientTestContext : public TestContext {
public:
    ClientTestContext();
    ~ClientTestContext();

    LoopbackHttpServer &api() { return *api_; }
    RecordingRouter &router() { return router_; }

    // Answers the API script with a fixture of tests/data/ or a JSON text.
    void reply(const QString &script, const ScriptedReply &reply);
    void replyFixture(const QString &script, const QString &fixture);
    // Requests that reached the script so far, and the form of the last one.
    int requestsTo(const QString &script) const;
    QList<QPair<QString, QString>> lastFormOf(const QString &script) const;
    // The value of `key` in a form; a null text when the form has no such field.
    static QString formValue(const QList<QPair<QString, QString>> &form, const QString &key);
    // Requests `owner` (a screen, a slot) has out now: how a test sees at once that a
    // second tap sent nothing, without waiting for what the server might receive.
    static int requestsInFlight(const QObject &owner);

private:
    std::unique_ptr<LoopbackHttpServer> api_;
    RecordingRouter router_;
};
