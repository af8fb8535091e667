#pragma once
// A row of a feed, a timeline or the reminders: the entry with the line that tells what
// happened, and whether the row shows the entry's photo. Which entry types a list keeps,
// and where selecting one leads, are told here too, so that every list agrees.

#include "model/Activity.h"

#include <QSet>

class AppContext;

struct FeedEntry {
    Q_GADGET
    Q_PROPERTY(Activity activity MEMBER activity CONSTANT)
    Q_PROPERTY(QString content MEMBER content CONSTANT)
    Q_PROPERTY(bool showsPicture MEMBER showsPicture CONSTANT)
public:
    enum class Listing { NearbyFeed, FriendsFeed, Timeline, OwnProfile, Reminders };

    FeedEntry() = default;
    FeedEntry(Activity activity, Listing listing);

    Activity activity;
    QString content;
    bool showsPicture = false;

    QString recordKey() const { return activity.feedid; }

    // The entry types a list shows; the reminders show every type.
    static bool keeps(Listing listing, const QString &type);
    // Opens the page the entry is about; false where the entry leads nowhere.
    static bool open(AppContext &context, const Activity &activity, Listing listing);
};
