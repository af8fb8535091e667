#include "FeedListViewController.h"

#include "api/CommonFunctions.h"
#include "model/JsonFields.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "ui/Router.h"

FeedListViewController::FeedListViewController(AppContext &context, QObject *parent)
    : BLKTableViewController(context, parent)
{
}

PagedQuery *FeedListViewController::makeFeedQuery(const QString &script, FeedEntry::Listing listing,
                                                  std::function<QVariantMap()> parameters,
                                                  std::function<void(Activity &)> adjust)
{
    auto request = PagedQuery::feedOf<FeedEntry>(
        script, QStringLiteral("feeds"),
        [this, listing, adjust](const nuvora::json::Value &element) {
            Activity activity(element, context().session().userLocation);
            if (adjust)
                adjust(activity);
            return FeedEntry(std::move(activity), listing);
        });
    request.accepts = [listing](const nuvora::json::Value &element) {
        return FeedEntry::keeps(listing,
                                JsonFields::text(JsonFields::child(element, "feed"), "type"));
    };
    request.parameters = std::move(parameters);
    return makeQuery<FeedEntry>(std::move(request));
}

QString FeedListViewController::age(const QString &time) const
{
    return CommonFunctions::intervalSinceNow(time, QStringLiteral("yyyy-MM-dd HH:mm:ss"),
                                             context().clock().now());
}

std::optional<Activity> FeedListViewController::entryWithId(const QString &feedid) const
{
    const int row = query() ? query()->rowOf(feedid) : -1;
    const std::optional<FeedEntry> entry =
        row < 0 ? std::nullopt : records()->recordAt<FeedEntry>(row);
    return entry ? std::optional(entry->activity) : std::nullopt;
}

void FeedListViewController::selectEntry(const QString &feedid)
{
    if (const std::optional<Activity> activity = entryWithId(feedid))
        FeedEntry::open(context(), *activity, listingShown());
}

void FeedListViewController::avatarTapped(const QString &feedid)
{
    const std::optional<Activity> activity = entryWithId(feedid);
    if (activity && activity->user.userId != 0)
        context().router().openUserHome(activity->user);
}
