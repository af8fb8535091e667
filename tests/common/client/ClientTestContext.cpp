#include "ClientTestContext.h"

#include "FormParser.h"
#include "api/HTTPFetcher.h"
#include "model/Session.h"

#include <QTest>

namespace {
const QString kApiPath = QStringLiteral("/iphone/2.0/");
}

ClientTestContext::ClientTestContext() : api_(std::make_unique<LoopbackHttpServer>())
{
    context().session().apiServerAddress = api_->baseUrl() + kApiPath;
    context().setRouter(&router_);
}

ClientTestContext::~ClientTestContext()
{
    const QStringList unexpected = api_->unreportedRequests();
    // The screens go before the router and the server they use.
    resetContext();
    QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected requests to " + unexpected.join(", ")));
}

void ClientTestContext::reply(const QString &script, const ScriptedReply &reply)
{
    api_->setReply(kApiPath + script, reply);
}

void ClientTestContext::replyFixture(const QString &script, const QString &fixture)
{
    reply(script, ScriptedReply::fixture(fixture));
}

int ClientTestContext::requestsTo(const QString &script) const
{
    int count = 0;
    for (const RecordedRequest &request : api_->requests())
        count += request.path() == kApiPath + script;
    return count;
}

QList<QPair<QString, QString>> ClientTestContext::lastFormOf(const QString &script) const
{
    const QList<RecordedRequest> &requests = api_->requests();
    for (auto it = requests.crbegin(); it != requests.crend(); ++it) {
        if (it->path() == kApiPath + script)
            return FormParser::parse(it->body);
    }
    return {};
}

QString ClientTestContext::formValue(const QList<QPair<QString, QString>> &form, const QString &key)
{
    for (const auto &[name, value] : form) {
        if (name == key)
            return value;
    }
    return {};
}

int ClientTestContext::requestsInFlight(const QObject &owner)
{
    int running = 0;
    for (const HTTPFetcher *fetcher : owner.findChildren<HTTPFetcher *>())
        running += fetcher->isRunning();
    return running;
}
