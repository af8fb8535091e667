#pragma once
// The keys of the settings store.

#include <QString>

namespace SettingsKeys {
inline const QString apiServerAddress = QStringLiteral("apiserveraddresskey");
inline const QString firstSocketAddress = QStringLiteral("firstsocketaddresskey");
inline const QString firstSocketPort = QStringLiteral("firstsocketportkey");
inline const QString lastOptionUpdateTime = QStringLiteral("lastoptionupdatetimekey");
inline const QString clientInfo = QStringLiteral("clientinfokey");
inline const QString deviceToken = QStringLiteral("devicetokenkey");
inline const QString latitude = QStringLiteral("latitudekey");
inline const QString longitude = QStringLiteral("longitudekey");
inline const QString sheng = QStringLiteral("shengkey");
inline const QString shi = QStringLiteral("shikey");
inline const QString username = QStringLiteral("usernamekey");
inline const QString password = QStringLiteral("passwordkey");
inline const QString loginToken = QStringLiteral("logintokenkey");
inline const QString defaultUser = QStringLiteral("defaultuserkey");
inline const QString feedFollowCount = QStringLiteral("feedfollowcountkey");
inline const QString feedRemindCount = QStringLiteral("feedremindcountkey");
inline const QString allowMoodComment = QStringLiteral("allowmoodcommentkey");
// Spelt as stored on devices.
inline const QString allowPictureComment = QStringLiteral("allowpictureommentkey");
} // namespace SettingsKeys
