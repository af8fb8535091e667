#include "UserSearchResultsViewController.h"

#include "UserRows.h"
#include "model/User.h"

UserSearchResultsViewController::UserSearchResultsViewController(AppContext &context,
                                                                 QVariantMap queryParameters,
                                                                 QObject *parent)
    : BLKTableViewController(context, parent), queryParameters_(std::move(queryParameters))
{
    PagedQuery::Request request = UserRows::request(context, kScript);
    request.fullPageSize = kFullPage;
    request.parameters = [this] { return queryParameters_; };
    setQuery(makeQuery<User>(std::move(request)));
}

void UserSearchResultsViewController::selectRow(int row)
{
    UserRows::openUserHome(context(), records(), row);
}

void UserSearchResultsViewController::cellAvatarButtonTapped(int row)
{
    selectRow(row);
}
