#include "FriendListViewController.h"

#include "FollowFansTabs.h"
#include "model/User.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

FriendListViewController::FriendListViewController(AppContext &context, bool shouldDirectChat,
                                                   QObject *parent)
    : BLKTableViewController(context, parent),
      tabs_(FollowFansTabs::make(
          context, this, QStringLiteral("好友"), [this](PagedQuery *query) { setQuery(query); },
          QStringLiteral("my_follow.php"), QStringLiteral("my_fans.php"))),
      editor_(new RelationEditor(context, this)), shouldDirectChat_(shouldDirectChat)
{
    connect(editor_, &RelationEditor::busyChanged, this, &ViewController::busyChanged);
}

void FriendListViewController::selectRow(int row)
{
    if (editor_->isEditing())
        return;
    if (!shouldDirectChat_) {
        FollowFansTabs::openUserHome(context(), *tabs_, row);
        return;
    }
    if (const std::optional<User> user = records()->recordAt<User>(row))
        context().router().openChat(*user);
}

void FriendListViewController::cellAvatarButtonTapped(int row)
{
    FollowFansTabs::openUserHome(context(), *tabs_, row);
}

void FriendListViewController::deleteRow(int row)
{
    if (!editor_->isEditing())
        return;
    editor_->confirmDeletion(query(), row,
                             tabs_->shownTag() == FollowFansTabs::FansTag ? kRemoveFan : kUnfollow);
}
