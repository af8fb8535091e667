#include "FeedEntry.h"

#include "model/Session.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

namespace {

using Listing = FeedEntry::Listing;

const QSet<QString> kNearbyTypes{QStringLiteral("mood"), QStringLiteral("photoupload")};
const QSet<QString> kFriendsTypes{QStringLiteral("mood"), QStringLiteral("photoupload"),
                                  QStringLiteral("follow"), QStringLiteral("partyjoin"),
                                  QStringLiteral("photozan")};
const QSet<QString> kTimelineTypes =
    kFriendsTypes + QSet<QString>{QStringLiteral("clubfavor"), QStringLiteral("partyfavor")};

QString quoted(const QString &text)
{
    return QStringLiteral("\"%1\"").arg(text);
}

// What a feed row says the user did; the profile's own rows leave out who (`who` empty).
QString feedLine(const Activity &a, const QString &who)
{
    if (a.type == QLatin1String("photoupload"))
        return a.picture.text;
    if (a.type == QLatin1String("photozan"))
        return QStringLiteral("%1称赞了照片%2").arg(who, quoted(a.picture.text));
    if (a.type == QLatin1String("mood"))
        return a.mood.content;
    if (a.type == QLatin1String("follow"))
        return QStringLiteral("%1关注了%2").arg(who, a.followUser.nickname);
    if (a.type == QLatin1String("partyjoin"))
        return QStringLiteral("%1报名参加了活动%2").arg(who, quoted(a.party.title));
    if (a.type == QLatin1String("partyfavor"))
        return QStringLiteral("%1喜欢了活动%2").arg(who, quoted(a.party.title));
    if (a.type == QLatin1String("clubfavor"))
        return QStringLiteral("%1喜欢了夜店%2").arg(who, quoted(a.club.name));
    return {};
}

// What a reminder says the user did to the signed-in user.
QString reminderLine(const Activity &a)
{
    static const QHash<QString, QString> fixed{
        {QStringLiteral("moodremarkreply"), QStringLiteral("在心情评论中回复了你")},
        {QStringLiteral("clubremarkreply"), QStringLiteral("在夜店评论中回复了你")},
        {QStringLiteral("photoremarkreply"), QStringLiteral("在照片评论中回复了你")},
        {QStringLiteral("partyremarkreply"), QStringLiteral("在活动评论中回复了你")},
        {QStringLiteral("hi"), QStringLiteral("跟你打了声招呼")},
        {QStringLiteral("follow"), QStringLiteral("关注了你")},
    };
    if (a.type == QLatin1String("photoremark"))
        return QStringLiteral("评论了你的照片") + quoted(a.picture.text);
    if (a.type == QLatin1String("moodremark"))
        return QStringLiteral("评论了你的心情") + quoted(a.mood.content);
    if (a.type == QLatin1String("photozan"))
        return QStringLiteral("称赞了你的照片") + quoted(a.picture.text);
    if (a.type == QLatin1String("notify"))
        return a.info;
    return fixed.value(a.type);
}

// A user to open a page of: one the entry names by id.
bool openHome(Router &router, const User &user)
{
    if (user.userId == 0)
        return false;
    router.openUserHome(user);
    return true;
}

bool openReminder(AppContext &context, const Activity &a)
{
    Router &router = context.router();
    // The user's own photo or mood, or one of another owner named by id.
    const User me = context.session().defaultUser().value_or(User());
    const auto owned = [](const User &owner) { return owner.userId != 0; };
    if (a.type == QLatin1String("photoremark") || a.type == QLatin1String("photozan")) {
        if (!owned(me))
            return false;
        router.openPictureComment(me, a.picture);
    } else if (a.type == QLatin1String("moodremark")) {
        if (!owned(me))
            return false;
        router.openMoodComment(me, a.mood);
    } else if (a.type == QLatin1String("moodremarkreply")) {
        if (!owned(a.moodOwner))
            return false;
        router.openMoodComment(a.moodOwner, a.mood);
    } else if (a.type == QLatin1String("photoremarkreply")) {
        if (!owned(a.pictureOwner))
            return false;
        router.openPictureComment(a.pictureOwner, a.picture);
    } else if (a.type == QLatin1String("clubremarkreply")) {
        router.openClubBoard(a.club);
    } else if (a.type == QLatin1String("partyremarkreply")) {
        router.openPartyBoard(a.party);
    } else if (a.type == QLatin1String("hi") || a.type == QLatin1String("follow")) {
        return openHome(router, a.user);
    } else {
        // Notices and types this client does not know lead nowhere.
        return false;
    }
    return true;
}

} // namespace

FeedEntry::FeedEntry(Activity entry, Listing listing) : activity(std::move(entry))
{
    if (listing == Listing::Reminders) {
        content = reminderLine(activity);
        return;
    }
    content =
        feedLine(activity, listing == Listing::OwnProfile ? QString() : activity.user.nickname);
    showsPicture =
        activity.type == QLatin1String("photoupload") || activity.type == QLatin1String("photozan");
}

bool FeedEntry::keeps(Listing listing, const QString &type)
{
    switch (listing) {
    case Listing::NearbyFeed:
        return kNearbyTypes.contains(type);
    case Listing::FriendsFeed:
        return kFriendsTypes.contains(type);
    case Listing::Timeline:
    case Listing::OwnProfile:
        return kTimelineTypes.contains(type);
    case Listing::Reminders:
        return true;
    }
    return false;
}

bool FeedEntry::open(AppContext &context, const Activity &a, Listing listing)
{
    if (listing == Listing::Reminders)
        return openReminder(context, a);
    if (!keeps(listing, a.type))
        return false;
    Router &router = context.router();
    if (a.type == QLatin1String("photoupload"))
        router.openPictureComment(a.user, a.picture);
    else if (a.type == QLatin1String("mood"))
        router.openMoodComment(a.user, a.mood);
    else if (a.type == QLatin1String("photozan"))
        router.openPictureComment(a.pictureOwner, a.picture);
    else if (a.type == QLatin1String("follow"))
        return openHome(router, a.followUser);
    else if (a.type == QLatin1String("partyjoin") || a.type == QLatin1String("partyfavor"))
        router.openParty(a.party);
    else if (a.type == QLatin1String("clubfavor"))
        router.openClub(a.club);
    return true;
}
