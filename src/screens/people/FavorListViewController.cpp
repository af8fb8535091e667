#include "FavorListViewController.h"

#include "model/Club.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "screens/venues/ClubRows.h"
#include "ui/Router.h"

FavorListViewController::FavorListViewController(AppContext &context, User user, QObject *parent)
    : PartyTableViewController(context, parent), user_(std::move(user)),
      tabs_(new TabbedQueries(
          // A nickname would leave no room for the tab's name.
          user_.userId == context.session().userId() ? QStringLiteral("我喜欢的")
                                                     : QStringLiteral("TA喜欢的"),
          [this](PagedQuery *query) { setQuery(query); }, this))
{
    const QVariantMap whose{{QStringLiteral("uid"), QString::number(user_.userId)}};
    // An empty tab's footer says "已加载完全部", as every list that reached its end.
    tabs_->addTab(
        QStringLiteral("夜店"), ClubsTag,
        makeQuery<Club>(ClubRows::request(context, QStringLiteral("home_club_favor.php"), whose)));
    tabs_->addTab(QStringLiteral("活动"), PartiesTag,
                  makeQuery<Party>(partyRequest(QStringLiteral("home_party_favor.php"), whose)));
}

double FavorListViewController::clubRowHeight() const
{
    return ClubRows::kRowHeight;
}

void FavorListViewController::selectRow(int row)
{
    if (tabs_->shownTag() == ClubsTag) {
        if (const std::optional<Club> club = records()->recordAt<Club>(row))
            context().router().openClub(*club);
        return;
    }
    PartyTableViewController::selectRow(row);
}
