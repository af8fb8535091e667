#pragma once
// The session state every layer reads: the signed-in user, the server addresses
// from the start-up configuration, the latest position, the push token and the
// advertisements. The application delegate changes it; requests and chat read it.

#include "Advertisement.h"
#include "User.h"

#include <QGeoCoordinate>
#include <QObject>
#include <QString>

#include <optional>

class AppContext;
class SettingsStore;

class Session : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Makes a session the context's own and returns it.
    static Session &install(AppContext &context);

    // The signed-in user; none when signed out.
    const std::optional<User> &defaultUser() const { return defaultUser_; }
    // Signs the user described by the server's JSON object in, measured from the
    // latest position; none signs out.
    void setDefaultUser(const std::optional<nuvora::json::Value> &userObject);
    // Signs in the user of the server's object and keeps that object as the stored copy
    // ("defaultuserkey"), so the next start shows the same profile; false when the copy
    // could not be written (the user in memory changes all the same).
    bool saveDefaultUser(SettingsStore &settings, const nuvora::json::Value &userObject);
    // Changes members of the signed-in user's object (a new cover, privacy switches), reads
    // the user again from it and stores it; nothing when signed out.
    bool updateDefaultUser(SettingsStore &settings, const nuvora::json::Object &changes);
    bool isSignedIn() const { return defaultUser_.has_value(); }
    // "uid" and "userinfoversion" of the signed-in user; 0 when signed out.
    qint64 userId() const { return defaultUser_ ? defaultUser_->userId : 0; }
    qint64 userInfoVersion() const { return defaultUser_ ? defaultUser_->userInfoVersion : 0; }

    // The advertisements of the hub's "option.php" reply; none until they arrived.
    const std::optional<Advertisement> &ads() const { return ads_; }
    void setAds(Advertisement ads);

    QString apiServerAddress;
    QString socketServer;
    qint32 socketPort = 0;
    QString deviceToken;
    std::optional<QGeoCoordinate> userLocation;

signals:
    void defaultUserChanged();

private:
    std::optional<User> defaultUser_;
    // The server's object the user was read from, kept for changes of single members.
    nuvora::json::Value defaultUserObject_;
    std::optional<Advertisement> ads_;
};
