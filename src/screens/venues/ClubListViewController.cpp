#include "ClubListViewController.h"

#include "model/Club.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/Router.h"

ClubListViewController::ClubListViewController(AppContext &context, QObject *parent)
    : BLKTableViewController(context, parent)
{
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
    if (!buildAdsHeaderView()) {
        context().notifications().addObserver(this, NotificationNames::adReceived,
                                              [this](const QVariant &) {
                                                  if (!adsHeaderView_)
                                                      buildAdsHeaderView();
                                              });
    }
    BLKTableViewController::viewDidLoad();
}

void ClubListViewController::viewWillAppear(bool animated)
{
    BLKTableViewController::viewWillAppear(animated);
    if (records()->count() == 0 && !query()->busy())
        query()->reload();
}

bool ClubListViewController::buildAdsHeaderView()
{
    const auto &ads = context().session().ads();
    if (!ads || ads->clubs.empty())
        return false;
    adItems_ = ads->clubs;
    adsHeaderView_ = new ADsView(adItems_, this);
    connect(adsHeaderView_, &ADsView::clickWhichADButton, this,
            &ClubListViewController::clickWhichADButton);
    emit adsHeaderViewChanged();
    return true;
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
    if (records()->count() == 0 && !query()->busy())
        query()->reload();
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
    if (index < 0 || index >= int(adItems_.size()))
        return;
    // An item without a proper id names no club.
    const int clubId = adItems_.at(size_t(index)).id;
    if (clubId > 0)
        context().router().openClubWithId(clubId);
}
