#pragma once
// The club list of the hub: the clubs near the user, the most popular ones and the
// user's favourites, each a tab of the bar above the list (revealed by pulling) beside
// the search, and the advertisement banner as the list's header.

#include "ClubRows.h"
#include "VenueAdsHeader.h"
#include "ui/BLKTableViewController.h"
#include "ui/TabbedQueries.h"

#include <QtQml/qqmlregistration.h>

class ClubListViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(TabbedQueries *tabs READ tabs CONSTANT)
    Q_PROPERTY(VenueAdsHeader *adsHeader READ adsHeader CONSTANT)
    Q_PROPERTY(double rowHeight READ rowHeight CONSTANT)
public:
    // The filter buttons, told apart by their tags.
    enum FilterTag { NearbyTag = 1024, TopTag = 1025, FavoritesTag = 1026, SearchTag = 1027 };
    Q_ENUM(FilterTag)

    explicit ClubListViewController(AppContext &context, QObject *parent = nullptr);

    TabbedQueries *tabs() const { return tabs_; }
    VenueAdsHeader *adsHeader() const { return adsHeader_; }
    double rowHeight() const { return ClubRows::kRowHeight; }

    Q_INVOKABLE void selectRow(int row);

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    TabbedQueries *tabs_;
    VenueAdsHeader *adsHeader_;
};
