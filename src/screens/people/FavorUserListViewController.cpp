#include "FavorUserListViewController.h"

#include "UserRows.h"
#include "model/Club.h"
#include "model/Party.h"
#include "model/User.h"

FavorUserListViewController::FavorUserListViewController(AppContext &context, QString title,
                                                         PagedQuery::Request request,
                                                         QObject *parent)
    : BLKTableViewController(context, parent), title_(std::move(title))
{
    setQuery(makeQuery<User>(std::move(request)));
}

FavorUserListViewController *FavorUserListViewController::ofClub(AppContext &context,
                                                                 const Club &club, QObject *parent)
{
    return new FavorUserListViewController(
        context, QStringLiteral("喜欢这家夜店的人"),
        UserRows::request(context, QStringLiteral("club_favor.php"), QStringLiteral("clubfavors"),
                          {{QStringLiteral("clid"), QString::number(club.clid)}}),
        parent);
}

FavorUserListViewController *
FavorUserListViewController::ofParty(AppContext &context, const Party &party, QObject *parent)
{
    return new FavorUserListViewController(
        context, QStringLiteral("喜欢这个活动的人"),
        UserRows::request(context, QStringLiteral("party_favor.php"), QStringLiteral("partyfavors"),
                          {{QStringLiteral("pid"), QString::number(party.pid)}}),
        parent);
}

void FavorUserListViewController::selectRow(int row)
{
    UserRows::openUserHome(context(), records(), row);
}
