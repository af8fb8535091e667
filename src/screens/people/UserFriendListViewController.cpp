#include "UserFriendListViewController.h"

#include "FollowFansTabs.h"

UserFriendListViewController::UserFriendListViewController(AppContext &context, User user,
                                                           QObject *parent)
    : BLKLoadMoreTableViewController(context, parent), user_(std::move(user)),
      tabs_(FollowFansTabs::make(context, this, QStringLiteral("%1的好友").arg(user_.nickname),
                                 [this](PagedQuery *query) { setQuery(query); },
                                 QStringLiteral("home_follow.php"), QStringLiteral("home_fans.php"),
                                 {{QStringLiteral("uid"), QString::number(user_.userId)}}))
{
}

void UserFriendListViewController::selectRow(int row)
{
    FollowFansTabs::openUserHome(context(), *tabs_, row);
}
