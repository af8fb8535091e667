#include "MyPartyListViewController.h"

#include "model/Party.h"
#include "model/Session.h"
#include "platform/AppContext.h"

MyPartyListViewController::MyPartyListViewController(AppContext &context, User user,
                                                     QObject *parent)
    : PartyTableViewController(context, parent), user_(std::move(user))
{
    setQuery(
        makeQuery<Party>(partyRequest(QStringLiteral("my_party_join.php"),
                                      {{QStringLiteral("pid"), QString::number(user_.userId)}})));
}

bool MyPartyListViewController::ownParties() const
{
    return user_.userId == context().session().userId();
}
