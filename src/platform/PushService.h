#pragma once
// Push notifications on the desktop: registration yields a device token of 32
// random bytes made once per data directory; payloads arrive from
// `nuvora --push JSON` over a local socket named after the data directory.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QLocalServer;

class PushService : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kMaxPayloadBytes = 64 * 1024;

    explicit PushService(const QString &dataDirectory, QObject *parent = nullptr);

    // Asks for a token; `registered` follows from the event loop.
    void registerForRemoteNotifications();
    // The token of this data directory, made on first use.
    QByteArray deviceToken();

    // Accepts payloads from `nuvora --push`; false when another client already does.
    bool listen();
    static QString serverName(const QString &dataDirectory);
    // Hands a payload to the client running on `dataDirectory`.
    static bool sendPayload(const QString &dataDirectory, const QByteArray &json, QString *error);

    // Delivers a payload as if it had come in (tests and the local socket).
    void deliver(const QVariantMap &payload);
    // Decodes a payload text; false when it is not a JSON object.
    static bool decodePayload(const QByteArray &json, QVariantMap *payload);

    int badgeNumber() const { return badgeNumber_; }
    void setBadgeNumber(int number);

signals:
    void registered(const QByteArray &deviceToken);
    void remoteNotificationReceived(const QVariantMap &payload);
    void badgeNumberChanged();

private:
    QString dataDirectory_;
    QByteArray token_;
    QLocalServer *server_ = nullptr;
    int badgeNumber_ = 0;
};
