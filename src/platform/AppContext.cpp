#include "AppContext.h"

#include "AlertPresenter.h"
#include "Clock.h"
#include "Keyboard.h"
#include "LocationService.h"
#include "NavigationController.h"
#include "NetworkAccess.h"
#include "NotificationCenter.h"
#include "PushService.h"
#include "Reachability.h"
#include "SettingsStore.h"
#include "UrlOpener.h"
#include "Vibration.h"

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
    network_ = std::make_unique<NetworkAccess>();
    alerts_ = std::make_unique<AlertPresenter>();
    location_ = std::make_unique<LocationService>(options_.fixedPosition);
    push_ = std::make_unique<PushService>(options_.dataDirectory);
    reachability_ = std::make_unique<Reachability>(*notifications_);
    vibration_ = std::make_unique<Vibration>();
    urlOpener_ = std::make_unique<UrlOpener>();
    keyboard_ = std::make_unique<Keyboard>();
    navigation_ = std::make_unique<NavigationController>();
    currentContext = this;
}

AppContext::~AppContext()
{
    // Screens first, then the collaborators of the layers above (newest first),
    // while everything they use still exists.
    navigation_.reset();
    while (!owned_.empty())
        owned_.pop_back();
    if (currentContext == this)
        currentContext = nullptr;
}

AppContext *AppContext::current()
{
    return currentContext;
}

void AppContext::missing(const char *what)
{
    qFatal("The application context has no %s: install it before it is used.", what);
}

void AppContext::setChat(ChatConnector *chat, Database *messageStore, SocketCenter *socketCenter,
                         ChatMessenger *messenger)
{
    chat_ = chat;
    messageStore_ = messageStore;
    socketCenter_ = socketCenter;
    messenger_ = messenger;
}

void AppContext::setImageLoader(SDWebImageManager *manager, SDImageCache *cache)
{
    imageManager_ = manager;
    imageCache_ = cache;
}

QString AppContext::documentsDirectory() const
{
    return QDir(options_.dataDirectory).filePath(QStringLiteral("Documents"));
}

QString AppContext::cachesDirectory() const
{
    return QDir(options_.dataDirectory).filePath(QStringLiteral("Caches"));
}
