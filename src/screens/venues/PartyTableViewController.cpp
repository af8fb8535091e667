#include "PartyTableViewController.h"

#include "PartyCountLabel.h"
#include "VenueListFollow.h"
#include "model/Party.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/Router.h"

PartyTableViewController::PartyTableViewController(AppContext &context, QObject *parent)
    : BLKTableViewController(context, parent)
{
    context.notifications().addObserver(
        this, NotificationNames::partyChanged,
        [this](const QVariant &payload) { followParty(payload.value<Party>()); });
}

void PartyTableViewController::follow(PagedQuery *query, const Party &party, bool signUps)
{
    VenueListFollow::follow(query, party, &Party::pid,
                            signUps ? std::optional<bool>(party.isjoin != 0) : std::nullopt);
}

PagedQuery::Request PartyTableViewController::partyRequest(const QString &script,
                                                           QVariantMap parameters)
{
    auto request = PagedQuery::listOf<Party>(
        script, QStringLiteral("partys"),
        [](const nuvora::json::Value &element) { return Party(element); });
    request.parameters = [parameters = std::move(parameters)] { return parameters; };
    return request;
}

double PartyTableViewController::favorLabelWidth(int favor) const
{
    return PartyCountLabel::width(favor, kCountFontSize);
}

double PartyTableViewController::floatLabelX(int favor) const
{
    return PartyCountLabel::decorationX(favor, kFavorLabelX, kCountFontSize);
}

void PartyTableViewController::selectRow(int row)
{
    if (const std::optional<Party> party = records()->recordAt<Party>(row))
        context().router().openParty(*party);
}
