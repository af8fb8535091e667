#pragma once
// One member of the network as the server describes it, with the thumbnail avatar
// address and the distance text derived once, at construction.

#include "api/json/JsonValue.h"

#include <QGeoCoordinate>
#include <QString>
#include <optional>

struct User {
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
    QString avatar;     // "avatar" + "!100"
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

    // "未知", "%dm" up to 1000 m, else whole kilometres with halves to even.
    static QString distanceText(const nuvora::json::Value &dictionary,
                                const std::optional<QGeoCoordinate> &devicePosition);
};
