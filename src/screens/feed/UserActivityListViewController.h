#pragma once
// One user's timeline: what the user did, newest first, paged by the entries' ids.

#include "FeedListViewController.h"
#include "model/User.h"

class UserActivityListViewController : public FeedListViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString title READ title CONSTANT)
public:
    UserActivityListViewController(AppContext &context, const User &user,
                                   QObject *parent = nullptr);

    QString title() const { return QStringLiteral("%1的时空线").arg(user_.nickname); }

protected:
    FeedEntry::Listing listingShown() const override { return FeedEntry::Listing::Timeline; }

private:
    User user_;
};
