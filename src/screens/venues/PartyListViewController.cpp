#include "PartyListViewController.h"

#include "model/Party.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

PartyListViewController::PartyListViewController(AppContext &context, QObject *parent)
    : PartyTableViewController(context, parent),
      adsHeader_(new VenueAdsHeader(context, &Advertisement::parties, this))
{
    connect(adsHeader_, &VenueAdsHeader::viewChanged, this,
            &PartyListViewController::adsHeaderViewChanged);
    connect(adsHeader_, &VenueAdsHeader::venueTapped, this,
            [this](int partyId) { this->context().router().openPartyWithId(partyId); });
    // Each list has its own request, so a reply lands in the list and page that asked.
    lists_[Current] = makeQuery<Party>(partyRequest(QStringLiteral("party.php"), {}));
    lists_[Mine] = makeQuery<Party>(partyRequest(QStringLiteral("my_party_join.php"), {}));
    setRevealsFilterBar(true);
    setQuery(lists_[Current]);
}

void PartyListViewController::viewDidLoad()
{
    adsHeader_->build();
    PartyTableViewController::viewDidLoad();
}

void PartyListViewController::performFilter(int tag)
{
    int type = 0;
    switch (tag) {
    case CurrentTag:
        type = Current;
        break;
    case MineTag:
        type = Mine;
        break;
    default:
        return;
    }
    if (type == partyType_)
        return;
    partyType_ = type;
    emit partyTypeChanged();
    setQuery(lists_.at(size_t(type)));
    loadShownQueryIfEmpty();
}

void PartyListViewController::refreshButtonTapped()
{
    query()->reload();
}

void PartyListViewController::clickWhichADButton(int index)
{
    adsHeader_->itemTapped(index);
}
