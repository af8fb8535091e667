#include "UserActivityListViewController.h"

UserActivityListViewController::UserActivityListViewController(AppContext &context,
                                                               const User &user, QObject *parent)
    : FeedListViewController(context, parent), user_(user)
{
    setQuery(makeFeedQuery(
        QStringLiteral("home_feed.php"), FeedEntry::Listing::Timeline,
        [uid = QString::number(user_.userId)] {
            return QVariantMap{{QStringLiteral("uid"), uid}};
        },
        // Every entry is the user's own: the row shows the user the page is about.
        [this](Activity &activity) { activity.user = user_; }));
}
