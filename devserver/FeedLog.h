#pragma once
// Records what users do as feed entries and as reminders for the users it
// concerns, keeps profile versions, and counts what a user has not read yet.

#include "JsonText.h"

#include <QString>

namespace nuvora::devserver {

class Database;

struct FeedEvent {
    FeedEvent(QString eventType, qint64 actor) : type(std::move(eventType)), uid(actor) {}

    QString type;
    qint64 uid; // who acted
    qint64 moodid = 0;
    qint64 photoid = 0;
    qint64 clid = 0;
    qint64 partyid = 0;
    qint64 followuid = 0;
    QString info;
    qint64 time = 0; // 0 = now
};

class FeedLog {
public:
    explicit FeedLog(Database &db);

    // A public feed entry.
    qint64 publish(const FeedEvent &event);
    // A reminder for `touid`; nothing when users would remind themselves.
    qint64 remind(qint64 touid, const FeedEvent &event);
    // Grows the user's profile version after any change of the profile.
    void profileChanged(qint64 uid);

    // The "feed_notify" object for a signed-in user.
    json::Object counters(qint64 uid);
    // Marks the follow feed or the reminders as read up to their newest entry.
    void markFollowFeedRead(qint64 uid);
    void markRemindersRead(qint64 uid);
    // Drops entries about a deleted photo or mood.
    void forgetPhoto(qint64 pid);
    void forgetMood(qint64 moodid);

private:
    qint64 add(qint64 touid, const FeedEvent &event);

    Database &db_;
};

} // namespace nuvora::devserver
