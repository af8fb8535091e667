#include "Activity.h"

#include "JsonFields.h"

#include <string_view>

namespace {

using nuvora::json::Value;

// Where each type reads the user who acted.
std::string_view actorKey(const QString &type)
{
    static const QHash<QString, std::string_view> keys{
        {QStringLiteral("mood"), "mooduser"},
        {QStringLiteral("moodremark"), "moodremarkuser"},
        {QStringLiteral("moodremarkreply"), "moodremarkuser"},
        {QStringLiteral("clubremark"), "clubremarkuser"},
        {QStringLiteral("clubremarkreply"), "clubremarkuser"},
        {QStringLiteral("partyremark"), "partyremarkuser"},
        {QStringLiteral("partyremarkreply"), "partyremarkuser"},
        {QStringLiteral("photoremark"), "photoremarkuser"},
        {QStringLiteral("photoremarkreply"), "photoremarkuser"},
    };
    return keys.value(type, "user");
}

} // namespace

Activity::Activity(const Value &element, const std::optional<QGeoCoordinate> &devicePosition)
{
    const Value &feed = JsonFields::child(element, "feed");
    feedid = JsonFields::text(feed, "feedid");
    distance = User::distanceText(feed, devicePosition);
    time = JsonFields::text(feed, "time");
    type = JsonFields::text(feed, "type");

    // A user of the entry is as far away as the entry.
    const auto entryUser = [&](std::string_view key) {
        User user(JsonFields::child(element, key), devicePosition);
        user.distance = distance;
        return user;
    };
    // Every type reads only its own objects; one that is missing stays empty.
    static const QSet<QString> known{"mood",        "moodremark",  "moodremarkreply",
                                     "clubfavor",   "clubremark",  "clubremarkreply",
                                     "follow",      "hi",          "partyfavor",
                                     "partyjoin",   "partyremark", "partyremarkreply",
                                     "photoupload", "photoremark", "photoremarkreply",
                                     "photozan",    "notify"};
    if (!known.contains(type))
        return;
    user = entryUser(actorKey(type));
    if (type.startsWith(QLatin1String("mood"))) {
        mood = Mood(JsonFields::child(element, "mood"));
        moodOwner = entryUser("mooduser");
    } else if (type.startsWith(QLatin1String("photo"))) {
        picture = Picture(JsonFields::child(element, "photo"));
        if (type != QLatin1String("photoupload"))
            pictureOwner = entryUser("photouser");
    } else if (type.startsWith(QLatin1String("party"))) {
        party = Party(JsonFields::child(element, "party"));
    } else if (type.startsWith(QLatin1String("club")) || type == QLatin1String("follow")
               || type == QLatin1String("hi")) {
        club = Club(JsonFields::child(element, "club"), devicePosition);
    }
    if (type == QLatin1String("follow"))
        followUser = User(JsonFields::child(element, "followuser"), devicePosition);
    if (type == QLatin1String("notify"))
        info = JsonFields::text(element, "info");
}
