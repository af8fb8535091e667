#include "NotifyCenterViewController.h"

NotifyCenterViewController::NotifyCenterViewController(AppContext &context, QObject *parent)
    : FeedListViewController(context, parent)
{
    setQuery(makeFeedQuery(QStringLiteral("my_feed_remind.php"), FeedEntry::Listing::Reminders));
}
