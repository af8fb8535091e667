#pragma once
// The application delegate: starts the application, chooses between the sign-in
// screen and the hub, follows the application state, the position, push
// notifications and reachability, and signs the user in and out. One per context.

#include "platform/SessionFlow.h"

#include <QGeoCoordinate>
#include <QObject>
#include <QVariantMap>

class AppContext;
class ApplicationActivity;

class AppDelegate : public QObject, public SessionFlow {
    Q_OBJECT
public:
    static inline const QString kStoreButton = QStringLiteral("去更新");

    // Becomes the context's session flow.
    explicit AppDelegate(AppContext &context, QObject *parent = nullptr);
    ~AppDelegate() override;

    // The delegate of the current context; none outside a run.
    static AppDelegate *sharedAppDelegate();

    void gotoLogin() override;
    void finishLogin() override;
    void logout() override;
    void handleLocateFailure();

    // Platform callbacks.
    void applicationDidFinishLaunching();
    void applicationDidBecomeActive();
    void applicationWillResignActive();
    void didRegisterForRemoteNotificationsWithDeviceToken(const QByteArray &token);
    void didReceiveRemoteNotification(const QVariantMap &payload);
    void locationDidUpdate(const QGeoCoordinate &coordinate);
    void locationDidFail();
    void receivedSocketNotification(const QVariant &command);
    void networkChanged(const QVariant &monitor);

    // Becomes active and resigns as `activity` says, from now on.
    void observeApplicationState(ApplicationActivity &activity);

private:
    bool isSignedOutScreenAtBottom() const;
    void storePosition(const QString &latitude, const QString &longitude);

    AppContext &context_;
    bool locationAlertShown_ = false;
};
