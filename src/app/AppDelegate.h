#pragma once
// The application delegate: starts the application, chooses between the sign-in
// screen and the hub, follows the application state, the position, push
// notifications and reachability, and signs the user out. One per context.

#include "model/Advertisement.h"
#include "model/User.h"

#include <QGeoCoordinate>
#include <QObject>
#include <QVariantMap>

#include <optional>

class AppContext;
class ApplicationActivity;

class AppDelegate : public QObject {
    Q_OBJECT
public:
    static inline const QString kStoreButton = QStringLiteral("去更新");

    explicit AppDelegate(AppContext &context, QObject *parent = nullptr);
    ~AppDelegate() override;

    // The delegate of the current context.
    static AppDelegate *sharedAppDelegate();

    AppContext &context() const { return context_; }

    // The signed-in user; none when signed out.
    User *defaultUser() { return defaultUser_ ? &*defaultUser_ : nullptr; }
    // Signs the user in as described by the server's JSON object, or out with none.
    void setDefaultUser(const std::optional<nuvora::json::Value> &userObject);
    // The advertisements of the hub's "option.php" reply; none until it arrived.
    const Advertisement *ads() const { return ads_ ? &*ads_ : nullptr; }
    void setAds(Advertisement ads) { ads_ = std::move(ads); }

    void gotoLogin();
    void finishLogin();
    void logout();
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
    std::optional<User> defaultUser_;
    std::optional<Advertisement> ads_;
    bool locationAlertShown_ = false;
};
