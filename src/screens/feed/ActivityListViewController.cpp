#include "ActivityListViewController.h"

#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/Router.h"

ActivityListViewController::ActivityListViewController(AppContext &context, QObject *parent)
    : FeedListViewController(context, parent),
      tabs_(new TabbedQueries(
          QStringLiteral("动态"), [this](PagedQuery *query) { setQuery(query); }, this))
{
    tabs_->addTab(QStringLiteral("附近"), NearbyTag,
                  makeFeedQuery(QStringLiteral("my_feed_city.php"), FeedEntry::Listing::NearbyFeed),
                  QStringLiteral("附近还没有动态"));
    tabs_->addTab(
        QStringLiteral("好友"), FriendsTag,
        makeFeedQuery(QStringLiteral("my_feed_follow.php"), FeedEntry::Listing::FriendsFeed),
        QStringLiteral("好友还没有动态"));
    setRevealsFilterBar(true);
}

bool ActivityListViewController::friendsHaveNews() const
{
    return context().settings().integer(SettingsKeys::feedFollowCount) > 0;
}

void ActivityListViewController::viewDidLoad()
{
    // The first list loaded is the one shown when the view loads.
    if (friendsHaveNews())
        tabs_->press(FriendsTag);
    FeedListViewController::viewDidLoad();
}

void ActivityListViewController::viewWillAppear(bool animated)
{
    FeedListViewController::viewWillAppear(animated);
    // Each visit after the first brings the friends' news from the top.
    if (hasAppeared() && friendsHaveNews()) {
        tabs_->press(FriendsTag);
        tabs_->refresh();
    }
}

FeedEntry::Listing ActivityListViewController::listingShown() const
{
    return tabs_->shownTag() == FriendsTag ? FeedEntry::Listing::FriendsFeed
                                           : FeedEntry::Listing::NearbyFeed;
}

void ActivityListViewController::publicActivity()
{
    context().router().openActivityPublic();
}
