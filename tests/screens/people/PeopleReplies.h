#pragma once
// Reply bodies for the people screens' controller tests, in the server's shape: pages
// of users near the test's device position, and home pages.

#include <QByteArray>
#include <QGeoCoordinate>
#include <QString>

namespace PeopleReplies {

inline const QGeoCoordinate kDevice(31.2310, 121.4745);

// `count` users with ids from `firstUid`, user i standing (i + 1) * 100 m north.
inline QByteArray users(int count, int gender = 1, int firstUid = 100)
{
    QString list;
    for (int i = 0; i < count; ++i) {
        const QGeoCoordinate at = kDevice.atDistanceAndAzimuth((i + 1) * 100.0, 0);
        list += QString::fromUtf8(R"(%1{"uid":"%2","nickname":"用户%2","gender":%3,"age":"25",)"
                                  R"("mood":"","avatar":"http://images.test/av%2.jpg",)"
                                  R"("lat":%4,"lng":%5})")
                    .arg(i ? QStringLiteral(",") : QString())
                    .arg(firstUid + i)
                    .arg(gender)
                    .arg(at.latitude(), 0, 'f', 7)
                    .arg(at.longitude(), 0, 'f', 7);
    }
    return QString::fromUtf8(R"({"status":1,"message":"","users":[%1]})").arg(list).toUtf8();
}

// A "home.php" reply for user `uid` with `photoCount` photos and the mood `mood`.
inline QByteArray home(int photoCount, const QString &mood, int uid = 67, int follow = 0)
{
    QString photos;
    for (int i = 0; i < photoCount; ++i)
        photos +=
            QString::fromUtf8(R"(%1{"pid":"%2","img":"http://images.test/p%2.jpg","text":""})")
                .arg(i ? QStringLiteral(",") : QString())
                .arg(i + 1);
    return QString::fromUtf8(R"({"status":1,"message":"","follow":%1,)"
                             R"("user":{"uid":"%2","nickname":"Ava","gender":2,"age":"32",)"
                             R"("renqi":"77","look":"107","follow":3,"fans":"5","mood":"%3"},)"
                             R"("photos":[%4]})")
        .arg(follow)
        .arg(uid)
        .arg(mood, photos)
        .toUtf8();
}

inline QByteArray failure(const QString &message)
{
    return QString::fromUtf8(R"({"status":0,"message":"%1"})").arg(message).toUtf8();
}

} // namespace PeopleReplies
