#pragma once
// What the lists of feed entries share (the feed's tabs, a user's timeline, the
// reminders): lists paged by the entries' ids, the entry types each keeps, and opening
// an entry's page or the page of the user who acted.

#include "FeedEntry.h"
#include "ui/BLKTableViewController.h"

#include <QtQml/qqmlregistration.h>

class FeedListViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of the feed lists")
public:
    // How long ago an entry happened, as its row shows it.
    Q_INVOKABLE QString age(const QString &time) const;
    // A row: the page its entry is about. Its avatar: the page of the user who acted.
    Q_INVOKABLE void selectEntry(const QString &feedid);
    Q_INVOKABLE void avatarTapped(const QString &feedid);

protected:
    FeedListViewController(AppContext &context, QObject *parent);

    // A list of `script` keeping the types of `listing`; `adjust` may change each entry
    // before it becomes a row.
    PagedQuery *makeFeedQuery(const QString &script, FeedEntry::Listing listing,
                              std::function<QVariantMap()> parameters = {},
                              std::function<void(Activity &)> adjust = {});
    // The listing of the rows shown, for where a selected row leads.
    virtual FeedEntry::Listing listingShown() const = 0;

private:
    std::optional<Activity> entryWithId(const QString &feedid) const;
};
