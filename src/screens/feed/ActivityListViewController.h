#pragma once
// The hub's feed: what people nearby and the people the user follows did, one list per
// tab. The friends tab comes to the front while it has new entries; the composer button
// opens the publishing screen.

#include "FeedListViewController.h"
#include "ui/TabbedQueries.h"

class ActivityListViewController : public FeedListViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(TabbedQueries *tabs READ tabs CONSTANT)
public:
    enum Tag { NearbyTag = 1024, FriendsTag = 1025 };

    explicit ActivityListViewController(AppContext &context, QObject *parent = nullptr);

    TabbedQueries *tabs() const { return tabs_; }

    Q_INVOKABLE void publicActivity();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    FeedEntry::Listing listingShown() const override;

private:
    bool friendsHaveNews() const;

    TabbedQueries *tabs_;
};
