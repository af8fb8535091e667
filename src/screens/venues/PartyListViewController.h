#pragma once
// The party list of the hub: tonight's and coming parties, and the parties the user
// signed up for, each a tab of the bar above the list (revealed by pulling), and the
// advertisement banner as the list's header.

#include "PartyTableViewController.h"
#include "VenueAdsHeader.h"
#include "ui/TabbedQueries.h"

#include <QtQml/qqmlregistration.h>

class PartyListViewController : public PartyTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(TabbedQueries *tabs READ tabs CONSTANT)
    Q_PROPERTY(VenueAdsHeader *adsHeader READ adsHeader CONSTANT)
public:
    // The filter buttons, told apart by their tags.
    enum FilterTag { CurrentTag = 9999, MineTag = 8888 };
    Q_ENUM(FilterTag)

    explicit PartyListViewController(AppContext &context, QObject *parent = nullptr);

    TabbedQueries *tabs() const { return tabs_; }
    VenueAdsHeader *adsHeader() const { return adsHeader_; }

protected:
    void viewDidLoad() override;
    void followParty(const Party &party) override;

private:
    TabbedQueries *tabs_;
    VenueAdsHeader *adsHeader_;
};
