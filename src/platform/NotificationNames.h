#pragma once
// The names of the in-process notifications.

#include <QString>

namespace NotificationNames {
inline const QString message = QStringLiteral("nvmessagenotification");
inline const QString remind = QStringLiteral("nvremindnotification");
inline const QString userInfoChanged = QStringLiteral("nvuserinfochangednotification");
inline const QString partyPush = QStringLiteral("nvpartypushnotification");
// A party changed on its page (liked, signed up, withdrawn from); the payload is the Party.
inline const QString partyChanged = QStringLiteral("nvpartychangednotification");
// A club changed on its page (liked, no longer liked); the payload is the Club.
inline const QString clubChanged = QStringLiteral("nvclubchangednotification");
// A photo changed on its page (liked, no longer liked); the payload is the Picture.
inline const QString pictureChanged = QStringLiteral("nvpicturechangednotification");
// The user deleted a photo; the payload is its id ("pid").
inline const QString pictureDeleted = QStringLiteral("nvpicturedeletednotification");
// The user uploaded a photo to the own album.
inline const QString pictureUploaded = QStringLiteral("nvpictureuploadednotification");
// The user posted a mood.
inline const QString moodPosted = QStringLiteral("nvmoodpostednotification");
// The user deleted a mood; the payload is its id ("moodid").
inline const QString moodDeleted = QStringLiteral("nvmooddeletednotification");
inline const QString citySwitched = QStringLiteral("nvcityswitchednotification");
// The misspelling is the name observers have always used.
inline const QString adReceived = QStringLiteral("nvadreceivednotfication");
inline const QString asyncSocket = QStringLiteral("AsyncSocketNotification");
inline const QString reachabilityChanged =
    QStringLiteral("kNetworkReachabilityChangedNotification");
} // namespace NotificationNames
