#pragma once
// The session state every layer reads: the signed-in user's JSON object, the
// server addresses from the start-up configuration, the latest position and the
// push token. The application delegate changes it; requests and chat read it.

#include "api/json/JsonValue.h"

#include <QGeoCoordinate>
#include <QObject>
#include <QString>

#include <optional>

class Session : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The signed-in user as the server sent it; none when signed out.
    const std::optional<nuvora::json::Value> &defaultUser() const { return defaultUser_; }
    void setDefaultUser(std::optional<nuvora::json::Value> user);
    bool isSignedIn() const { return defaultUser_.has_value(); }
    // "uid" and "userinfoversion" of the signed-in user; 0 when signed out.
    qint64 userId() const;
    qint64 userInfoVersion() const;

    QString apiServerAddress;
    QString socketServer;
    qint32 socketPort = 0;
    QString deviceToken;
    std::optional<QGeoCoordinate> userLocation;

signals:
    void defaultUserChanged();

private:
    std::optional<nuvora::json::Value> defaultUser_;
};
