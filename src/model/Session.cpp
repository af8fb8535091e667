#include "Session.h"

#include "platform/AppContext.h"

Session &Session::install(AppContext &context)
{
    Session &session = context.own(std::make_unique<Session>());
    context.setSession(&session);
    return session;
}

void Session::setDefaultUser(const std::optional<nuvora::json::Value> &userObject)
{
    if (userObject)
        defaultUser_.emplace(*userObject, userLocation);
    else
        defaultUser_.reset();
    emit defaultUserChanged();
}

void Session::setAds(Advertisement ads)
{
    ads_ = std::move(ads);
}
