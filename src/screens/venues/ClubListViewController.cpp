#include "ClubListViewController.h"

#include "VenueListFollow.h"
#include "model/Club.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/Router.h"

ClubListViewController::ClubListViewController(AppContext &context, QObject *parent)
    : BLKTableViewController(context, parent),
      tabs_(new TabbedQueries(
          QStringLiteral("夜店"), [this](PagedQuery *query) { setQuery(query); }, this)),
      adsHeader_(new VenueAdsHeader(context, &Advertisement::clubs, this))
{
    connect(adsHeader_, &VenueAdsHeader::venueTapped, this,
            [this](int clubId) { this->context().router().openClubWithId(clubId); });
    const QString sort = QStringLiteral("sort");
    const QString clubs = QStringLiteral("club.php");
    tabs_->addTab(
        QStringLiteral("附近"), NearbyTag,
        makeQuery<Club>(ClubRows::request(context, clubs, {{sort, QStringLiteral("nearby")}})));
    tabs_->addTab(
        QStringLiteral("人气"), TopTag,
        makeQuery<Club>(ClubRows::request(context, clubs, {{sort, QStringLiteral("top")}})));
    tabs_->addTab(
        QStringLiteral("我喜欢"), FavoritesTag,
        makeQuery<Club>(ClubRows::request(context, QStringLiteral("my_club_favor.php"), {})));
    tabs_->addButton(QStringLiteral("搜索"), SearchTag);
    connect(tabs_, &TabbedQueries::pressed, this,
            [this] { this->context().router().openClubSearch(); });
    setRevealsFilterBar(true);
    // A club liked or let go on its page: every tab's row follows, and the favourites
    // gain or lose it.
    context.notifications().addObserver(
        this, NotificationNames::clubChanged, [this](const QVariant &payload) {
            const Club club = payload.value<Club>();
            for (int tag : {NearbyTag, TopTag})
                VenueListFollow::follow(tabs_->query(tag), club, &Club::clid);
            VenueListFollow::follow(tabs_->query(FavoritesTag), club, &Club::clid,
                                    club.isfavor != 0);
        });
}

void ClubListViewController::viewDidLoad()
{
    adsHeader_->build();
    BLKTableViewController::viewDidLoad();
}

void ClubListViewController::viewWillAppear(bool animated)
{
    BLKTableViewController::viewWillAppear(animated);
    tabs_->loadShownIfEmpty();
}

void ClubListViewController::selectRow(int row)
{
    if (const std::optional<Club> club = records()->recordAt<Club>(row))
        context().router().openClub(*club);
}
