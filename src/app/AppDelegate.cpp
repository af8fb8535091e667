#include "AppDelegate.h"

#include "LoginViewController.h"
#include "api/CommonFunctions.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/ApplicationActivity.h"
#include "platform/ChatConnector.h"
#include "platform/LocationService.h"
#include "platform/LogCategories.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/PushService.h"
#include "platform/Reachability.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"
#include "ui/Router.h"

namespace {
constexpr int kNewVersionPush = 1;
constexpr int kPartyPush = 3;
} // namespace

AppDelegate::AppDelegate(AppContext &context, QObject *parent) : QObject(parent), context_(context)
{
    context.setSessionFlow(this);
}

AppDelegate::~AppDelegate()
{
    context_.setSessionFlow(nullptr);
}

AppDelegate *AppDelegate::sharedAppDelegate()
{
    AppContext *context = AppContext::current();
    return context ? dynamic_cast<AppDelegate *>(&context->sessionFlow()) : nullptr;
}

void AppDelegate::applicationDidFinishLaunching()
{
    // A desktop has no idle timer to disable: the screen never locks under the client.
    PushService &push = context_.push();
    connect(&push, &PushService::registered, this,
            &AppDelegate::didRegisterForRemoteNotificationsWithDeviceToken);
    connect(&push, &PushService::remoteNotificationReceived, this,
            &AppDelegate::didReceiveRemoteNotification);
    push.listen();
    push.registerForRemoteNotifications();

    context_.router().openLaunchScreen();

    NotificationCenter &notifications = context_.notifications();
    notifications.addObserver(
        this, NotificationNames::asyncSocket,
        [this](const QVariant &command) { receivedSocketNotification(command); });
    CommonFunctions::getClientInfo(context_.settings());
    notifications.addObserver(this, NotificationNames::reachabilityChanged,
                              [this](const QVariant &monitor) { networkChanged(monitor); });
    context_.reachability().startNotifier();

    LocationService &location = context_.location();
    connect(&location, &LocationService::didUpdateLocation, this, &AppDelegate::locationDidUpdate);
    connect(&location, &LocationService::didFailWithError, this, &AppDelegate::locationDidFail);
}

void AppDelegate::observeApplicationState(ApplicationActivity &activity)
{
    connect(&activity, &ApplicationActivity::becameActive, this,
            &AppDelegate::applicationDidBecomeActive);
    connect(&activity, &ApplicationActivity::willResignActive, this,
            &AppDelegate::applicationWillResignActive);
    if (activity.isActive())
        applicationDidBecomeActive();
}

void AppDelegate::applicationDidBecomeActive()
{
    context_.push().setBadgeNumber(0);
    LocationService &location = context_.location();
    if (location.locationServicesEnabled()) {
        location.startUpdatingLocation();
    } else {
        handleLocateFailure();
        // Once per launch: a desktop returns to the front far more often than a phone.
        if (!locationAlertShown_) {
            locationAlertShown_ = true;
            context_.alerts().showCommonAlert(QStringLiteral("无法定位您的位置"),
                                              QStringLiteral("请确保定位服务已开启"));
        }
    }
    if (!isSignedOutScreenAtBottom() && context_.session().isSignedIn())
        context_.chat().initializeSocket();
}

void AppDelegate::applicationWillResignActive()
{
    context_.chat().disconnectSocket();
}

bool AppDelegate::isSignedOutScreenAtBottom() const
{
    return qobject_cast<LoginViewController *>(context_.navigation().bottomViewController());
}

void AppDelegate::locationDidUpdate(const QGeoCoordinate &coordinate)
{
    context_.session().userLocation = coordinate;
    storePosition(QString::asprintf("%f", coordinate.latitude()),
                  QString::asprintf("%f", coordinate.longitude()));
}

void AppDelegate::locationDidFail()
{
    handleLocateFailure();
}

void AppDelegate::handleLocateFailure()
{
    SettingsStore &settings = context_.settings();
    const QString latitude = settings.string(SettingsKeys::latitude);
    const QString longitude = settings.string(SettingsKeys::longitude);
    if (latitude.isEmpty() && longitude.isEmpty())
        storePosition(QStringLiteral("0"), QStringLiteral("0"));
    else
        storePosition(latitude, longitude);
}

void AppDelegate::storePosition(const QString &latitude, const QString &longitude)
{
    SettingsStore &settings = context_.settings();
    settings.setString(SettingsKeys::latitude, latitude);
    settings.setString(SettingsKeys::longitude, longitude);
    settings.flush();
}

void AppDelegate::didRegisterForRemoteNotificationsWithDeviceToken(const QByteArray &token)
{
    const QString text = QString::fromLatin1(token.toHex());
    SettingsStore &settings = context_.settings();
    if (settings.string(SettingsKeys::deviceToken) != text) {
        settings.setString(SettingsKeys::deviceToken, text);
        settings.flush();
    }
    context_.session().deviceToken = text;
}

void AppDelegate::didReceiveRemoteNotification(const QVariantMap &payload)
{
    switch (payload.value(QStringLiteral("type")).toInt()) {
    case kNewVersionPush:
        context_.alerts().showAlert(QStringLiteral("Nuvora%1新版发布啦")
                                        .arg(payload.value(QStringLiteral("version")).toString()),
                                    QStringLiteral("立即前往AppStore更新吧！"),
                                    QStringLiteral("取消"), {kStoreButton}, 0, this,
                                    [this](int index) {
                                        if (index == 1)
                                            context_.urlOpener().openStorePage();
                                    });
        break;
    case kPartyPush:
        context_.notifications().post(
            NotificationNames::partyPush,
            QVariantMap{{QStringLiteral("pid"), payload.value(QStringLiteral("pid"))}});
        break;
    default:
        break;
    }
}

void AppDelegate::receivedSocketNotification(const QVariant &command)
{
    context_.chat().receivedSocketNotification(command);
}

void AppDelegate::networkChanged(const QVariant &monitor)
{
    auto *reachability = qobject_cast<Reachability *>(monitor.value<QObject *>());
    if (!reachability)
        return;
    if (reachability->isReachable()) {
        ChatConnector &chat = context_.chat();
        if (!chat.hasSocket() && context_.session().isSignedIn())
            chat.initializeSocket();
    } else {
        context_.alerts().showCommonAlert(QStringLiteral("网络连接中断"),
                                          QStringLiteral("您的网络连接已断开"));
    }
}

void AppDelegate::gotoLogin()
{
    context_.router().openSignIn();
}

void AppDelegate::finishLogin()
{
    context_.chat().initializeSocket();
    context_.router().openHub();
}

void AppDelegate::logout()
{
    ChatConnector &chat = context_.chat();
    chat.closeStore();
    context_.session().setDefaultUser(std::nullopt);
    chat.disconnectSocket();
    SettingsStore &settings = context_.settings();
    settings.remove(SettingsKeys::password);
    settings.remove(SettingsKeys::defaultUser);
    settings.remove(SettingsKeys::loginToken);
    settings.flush();
    gotoLogin();
}
