#pragma once
// The seed's feed and reminder cases, for the feed screens' awkward paths: a
// run of entries near the default position that the nearby tab drops, long
// enough to fill a whole page of the city feed, between entries it keeps; a
// followed user whose timeline holds every type the timelines show; a
// followed user without a position (distance unknown); and the newest
// reminders of the demo account, one of every kind and one of a kind the
// client does not know, each pointing at real seeded records; and the demo account's own
// likes and sign-ups at the top of its profile.

#include "FeedLog.h"
#include "SeedCases.h"

#include <functional>

namespace nuvora::devserver {

class Database;
class ImageStore;

class FeedCases {
public:
    // user11; the demo account follows them. 17 entries over the last nine
    // hours: moods, photos (one without a caption), follows, liked clubs and
    // parties, sign-ups and liked photos.
    static constexpr qint64 kTimelineUser = 13;
    // user16, followed by the demo account, never shared a position: their
    // entries carry lat/lng 0.
    static constexpr qint64 kNoPositionUser = 18;
    // Entries the nearby tab drops, 2 to 31 seconds old, by users the demo
    // account does not follow: at least one whole page of the city feed near
    // the default position, with moods kept by the tab just before and after.
    static constexpr int kDroppedRun = 30;

    // Receives each entry (touid 0) or reminder (touid > 0) with its time.
    using Add = std::function<void(const FeedEvent &, qint64 touid)>;

    FeedCases(Database &db, ImageStore &images, const SeedCases::Base &base, Add add)
        : db_(db), images_(images), base_(base), add_(std::move(add))
    {
    }

    // Needs the generated follows, photos and moods and the photo and mood cases.
    void seed();

private:
    void seedDroppedRun();
    void seedTimeline();
    void seedNoPosition();
    void seedReminders();
    // The demo account's own newest entries: a liked club, party and photo, a sign-up.
    void seedOwnLikes();

    qint64 addMood(qint64 uid, const QString &content, qint64 time);
    qint64 addPhoto(qint64 uid, const QString &caption, qint64 time);
    qint64 addRemark(const QString &kind, qint64 target, qint64 uid, qint64 reply,
                     const QString &content, qint64 time);
    // The newest comment on `target` answering one of the demo account's, by someone else.
    qint64 replierToDemo(const QString &kind, qint64 target);
    void record(const QString &type, qint64 uid, qint64 time, qint64 touid,
                const std::function<void(FeedEvent &)> &fill = {});

    Database &db_;
    ImageStore &images_;
    const SeedCases::Base &base_;
    Add add_;
    int photos_ = 0; // numbers the image keys
};

} // namespace nuvora::devserver
