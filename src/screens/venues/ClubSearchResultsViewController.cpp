#include "ClubSearchResultsViewController.h"

#include "ClubRows.h"
#include "model/Club.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

ClubSearchResultsViewController::ClubSearchResultsViewController(AppContext &context,
                                                                 const QString &keywords, int sheng,
                                                                 int shi, QObject *parent)
    : BLKTableViewController(context, parent)
{
    auto request = ClubRows::request(context, QStringLiteral("club.php"),
                                     {{QStringLiteral("keywords"), keywords},
                                      {QStringLiteral("sheng"), QString::number(sheng)},
                                      {QStringLiteral("shi"), QString::number(shi)}});
    request.fullPageSize = kPageSize;
    setQuery(makeQuery<Club>(std::move(request)));
}

void ClubSearchResultsViewController::selectRow(int row)
{
    if (const std::optional<Club> club = records()->recordAt<Club>(row))
        context().router().openClub(*club);
}
