#pragma once
// Another user's follows and fans, a tab each, loading more at the bottom; a row or
// its avatar opens that person's home page.

#include "model/User.h"
#include "ui/BLKLoadMoreTableViewController.h"
#include "ui/TabbedQueries.h"

#include <QtQml/qqmlregistration.h>

class UserFriendListViewController : public BLKLoadMoreTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(TabbedQueries *tabs READ tabs CONSTANT)
public:
    UserFriendListViewController(AppContext &context, User user, QObject *parent = nullptr);

    const User &user() const { return user_; }
    TabbedQueries *tabs() const { return tabs_; }

    Q_INVOKABLE void selectRow(int row);
    Q_INVOKABLE void cellAvatarButtonTapped(int row) { selectRow(row); }

private:
    User user_;
    TabbedQueries *tabs_;
};
