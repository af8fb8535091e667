#include "ClubListViewController.h"

#include "model/Club.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

ClubListViewController::ClubListViewController(AppContext &context, QObject *parent)
    : BLKTableViewController(context, parent),
      adsHeader_(new VenueAdsHeader(context, &Advertisement::clubs, this))
{
    connect(adsHeader_, &VenueAdsHeader::viewChanged, this,
            &ClubListViewController::adsHeaderViewChanged);
    connect(adsHeader_, &VenueAdsHeader::venueTapped, this,
            [this](int clubId) { this->context().router().openClubWithId(clubId); });
    // Each list has its own request, so a reply lands in the list and page that asked.
    const QString sort = QStringLiteral("sort");
    lists_[Nearby] = makeQuery<Club>(
        ClubRows::request(context, QStringLiteral("club.php"), {{sort, QStringLiteral("nearby")}}));
    lists_[Top] = makeQuery<Club>(
        ClubRows::request(context, QStringLiteral("club.php"), {{sort, QStringLiteral("top")}}));
    lists_[Favorites] =
        makeQuery<Club>(ClubRows::request(context, QStringLiteral("my_club_favor.php"), {}));
    setRevealsFilterBar(true);
    setQuery(lists_[Nearby]);
}

void ClubListViewController::viewDidLoad()
{
    adsHeader_->build();
    BLKTableViewController::viewDidLoad();
}

void ClubListViewController::viewWillAppear(bool animated)
{
    BLKTableViewController::viewWillAppear(animated);
    loadShownQueryIfEmpty();
}

void ClubListViewController::performFilter(int tag)
{
    if (tag == SearchTag) {
        context().router().openClubSearch();
        return;
    }
    if (tag < NearbyTag || tag > FavoritesTag)
        return;
    const int type = tag - NearbyTag;
    if (type == clubType_)
        return;
    clubType_ = type;
    emit clubTypeChanged();
    setQuery(lists_.at(size_t(type)));
    loadShownQueryIfEmpty();
}

void ClubListViewController::refreshButtonTapped()
{
    query()->reload();
}

void ClubListViewController::selectRow(int row)
{
    if (const std::optional<Club> club = records()->recordAt<Club>(row))
        context().router().openClub(*club);
}

void ClubListViewController::clickWhichADButton(int index)
{
    adsHeader_->itemTapped(index);
}
