#pragma once
// One entry of an activity feed or of the reminders: who did what (posted a mood or a
// photo, praised a photo, followed someone, liked a club or a party, signed up, commented,
// greeted) and the records it concerns, read beside the entry's common "feed" object.

#include "Club.h"
#include "Mood.h"
#include "Party.h"
#include "Picture.h"
#include "User.h"

#include <QGeoCoordinate>
#include <optional>

struct Activity {
    Q_GADGET
    Q_PROPERTY(QString feedid MEMBER feedid CONSTANT)
    Q_PROPERTY(QString distance MEMBER distance CONSTANT)
    Q_PROPERTY(QString time MEMBER time CONSTANT)
    Q_PROPERTY(QString type MEMBER type CONSTANT)
    Q_PROPERTY(User user MEMBER user CONSTANT)
    Q_PROPERTY(User followUser MEMBER followUser CONSTANT)
    Q_PROPERTY(Picture picture MEMBER picture CONSTANT)
    Q_PROPERTY(Mood mood MEMBER mood CONSTANT)
    Q_PROPERTY(Party party MEMBER party CONSTANT)
    Q_PROPERTY(Club club MEMBER club CONSTANT)
    Q_PROPERTY(User pictureOwner MEMBER pictureOwner CONSTANT)
    Q_PROPERTY(User moodOwner MEMBER moodOwner CONSTANT)
    Q_PROPERTY(QString info MEMBER info CONSTANT)
public:
    Activity() = default;
    // `devicePosition` measures the entry's distance ("未知" without one or without the
    // entry's own position).
    Activity(const nuvora::json::Value &element,
             const std::optional<QGeoCoordinate> &devicePosition);

    QString feedid;
    QString distance;
    QString time; // "yyyy-MM-dd HH:mm:ss"
    QString type;
    User user;       // who acted; with the entry's distance
    User followUser; // whom they followed; with the followed user's own distance
    Picture picture;
    Mood mood;
    Party party;
    Club club;
    User pictureOwner;
    User moodOwner;
    QString info; // a notice's text

    QString recordKey() const { return feedid; }
};
