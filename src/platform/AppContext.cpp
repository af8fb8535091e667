#include "AppContext.h"

#include "Clock.h"
#include "NetworkAccess.h"
#include "NotificationCenter.h"
#include "Session.h"
#include "SettingsStore.h"

#include <QDir>

namespace {
AppContext *currentContext = nullptr;
}

AppContext::AppContext(Options options, QObject *parent)
    : QObject(parent), options_(std::move(options))
{
    QDir().mkpath(options_.dataDirectory);
    clock_ = std::make_unique<Clock>();
    settings_ = std::make_unique<SettingsStore>(
        QDir(options_.dataDirectory).filePath(QStringLiteral("settings.json")));
    notifications_ = std::make_unique<NotificationCenter>();
    session_ = std::make_unique<Session>();
    network_ = std::make_unique<NetworkAccess>();
    currentContext = this;
}

AppContext::~AppContext()
{
    services_.clear();
    if (currentContext == this)
        currentContext = nullptr;
}

AppContext *AppContext::current()
{
    return currentContext;
}

QString AppContext::documentsDirectory() const
{
    return QDir(options_.dataDirectory).filePath(QStringLiteral("Documents"));
}

QString AppContext::cachesDirectory() const
{
    return QDir(options_.dataDirectory).filePath(QStringLiteral("Caches"));
}
