#include "PartyListViewController.h"

#include "model/Party.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

PartyListViewController::PartyListViewController(AppContext &context, QObject *parent)
    : PartyTableViewController(context, parent),
      tabs_(new TabbedQueries(
          QStringLiteral("活动"), [this](PagedQuery *query) { setQuery(query); }, this)),
      adsHeader_(new VenueAdsHeader(context, &Advertisement::parties, this))
{
    connect(adsHeader_, &VenueAdsHeader::venueTapped, this,
            [this](int partyId) { this->context().router().openPartyWithId(partyId); });
    tabs_->addTab(QStringLiteral("近期活动"), CurrentTag,
                  makeQuery<Party>(partyRequest(QStringLiteral("party.php"), {})),
                  QStringLiteral("近期没有活动"));
    tabs_->addTab(QStringLiteral("我的报名"), MineTag,
                  makeQuery<Party>(partyRequest(QStringLiteral("my_party_join.php"), {})),
                  QStringLiteral("还没有报名的活动"));
    setRevealsFilterBar(true);
}

void PartyListViewController::viewDidLoad()
{
    adsHeader_->build();
    PartyTableViewController::viewDidLoad();
}

void PartyListViewController::followParty(const Party &party)
{
    follow(tabs_->query(CurrentTag), party, false);
    follow(tabs_->query(MineTag), party, true);
}
