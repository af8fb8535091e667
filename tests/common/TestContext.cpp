#include "TestContext.h"

#include "model/Session.h"
#include "platform/LocationService.h"
#include "platform/UrlOpener.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

TestContext::TestContext(const QUrl &webHost) : webHost_(webHost)
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(dir_.isValid(), "no temporary directory");
    build();
}

TestContext::~TestContext() = default;

QString TestContext::settingsPath() const
{
    return QDir(dir_.path()).filePath(QStringLiteral("settings.json"));
}

AppContext &TestContext::restart()
{
    context_.reset();
    build();
    return *context_;
}

void TestContext::build()
{
    context_ = std::make_unique<AppContext>(AppContext::Options{dir_.path(), webHost_, {}});
    context_->location().simulate(true);
    context_->urlOpener().setOpensExternally(false);
    Session::install(*context_);
    context_->setSessionFlow(&flow_);
}
