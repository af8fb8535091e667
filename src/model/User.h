#pragma once
// One member of the network as the server describes it, with the thumbnail avatar
// address and the distance text derived once, at construction.

#include "api/json/JsonValue.h"

#include <QGeoCoordinate>
#include <QObject>
#include <QString>
#include <optional>

struct User {
    Q_GADGET
    Q_PROPERTY(int userId MEMBER userId)
    Q_PROPERTY(int addr_sheng_c MEMBER addr_sheng_c)
    Q_PROPERTY(int addr_sheng_j MEMBER addr_sheng_j)
    Q_PROPERTY(int addr_shi_c MEMBER addr_shi_c)
    Q_PROPERTY(int addr_shi_j MEMBER addr_shi_j)
    Q_PROPERTY(int age MEMBER age)
    Q_PROPERTY(QString avatar MEMBER avatar)
    Q_PROPERTY(QString avatar_big MEMBER avatar_big)
    Q_PROPERTY(int avatar_upload MEMBER avatar_upload)
    Q_PROPERTY(QString birthday MEMBER birthday)
    Q_PROPERTY(int visitors MEMBER visitors)
    Q_PROPERTY(int popularity MEMBER popularity)
    Q_PROPERTY(QString nickname MEMBER nickname)
    Q_PROPERTY(int gender MEMBER gender)
    Q_PROPERTY(QString constellation MEMBER constellation)
    Q_PROPERTY(QString occupation MEMBER occupation)
    Q_PROPERTY(QString distance MEMBER distance)
    Q_PROPERTY(QString mood MEMBER mood)
    Q_PROPERTY(int fans MEMBER fans)
    Q_PROPERTY(int follows MEMBER follows)
    Q_PROPERTY(QString bander MEMBER bander)
    Q_PROPERTY(int height MEMBER height)
    Q_PROPERTY(int weight MEMBER weight)
    Q_PROPERTY(QString about MEMBER about)
    Q_PROPERTY(int ischat MEMBER ischat)
    Q_PROPERTY(int defaultmoodremark MEMBER defaultmoodremark)
    Q_PROPERTY(int defaultphotoremark MEMBER defaultphotoremark)
    Q_PROPERTY(int userInfoVersion MEMBER userInfoVersion)
    Q_PROPERTY(bool avatarRejected READ avatarRejected)
public:
    User() = default;
    // `devicePosition` is the device's latest position, if it has one yet.
    User(const nuvora::json::Value &dictionary,
         const std::optional<QGeoCoordinate> &devicePosition);

    int userId = 0;
    int addr_sheng_c = 0;
    int addr_sheng_j = 0;
    int addr_shi_c = 0;
    int addr_shi_j = 0;
    int age = 0;
    QString avatar;     // "avatar" + "!100"; empty when there is no avatar
    QString avatar_big; // "avatar" as received
    int avatar_upload = 0;
    QString birthday;
    int visitors = 0;
    int popularity = 0;
    QString nickname;
    int gender = 0; // 1 male, anything else shown as female
    QString constellation;
    QString occupation;
    QString distance;
    QString mood;
    int fans = 0;
    int follows = 0;
    QString bander;
    int height = 0;
    int weight = 0;
    QString about;
    int ischat = 0;
    int defaultmoodremark = 0;
    int defaultphotoremark = 0;
    int userInfoVersion = 0;

    static constexpr int kAvatarRejected = 3;
    // An avatar under review that was turned down is never shown.
    bool avatarRejected() const { return avatar_upload == kAvatarRejected; }
    // The identity of the user in a list, so that a later page skips who is listed
    // already; none without a "uid".
    QString recordKey() const { return userId ? QString::number(userId) : QString(); }

    // "未知", "%dm" up to 1000 m, else whole kilometres with halves to even.
    static QString distanceText(const nuvora::json::Value &dictionary,
                                const std::optional<QGeoCoordinate> &devicePosition);
};
