#pragma once
// The reminders: what others did that concerns the user (comments, replies, likes,
// greetings, new followers, the service's notices), each leading to its page.

#include "FeedListViewController.h"

class NotifyCenterViewController : public FeedListViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
public:
    explicit NotifyCenterViewController(AppContext &context, QObject *parent = nullptr);

protected:
    FeedEntry::Listing listingShown() const override { return FeedEntry::Listing::Reminders; }
};
