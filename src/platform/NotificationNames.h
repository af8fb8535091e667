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
inline const QString citySwitched = QStringLiteral("nvcityswitchednotification");
// The misspelling is the name observers have always used.
inline const QString adReceived = QStringLiteral("nvadreceivednotfication");
inline const QString asyncSocket = QStringLiteral("AsyncSocketNotification");
inline const QString reachabilityChanged =
    QStringLiteral("kNetworkReachabilityChangedNotification");
} // namespace NotificationNames
