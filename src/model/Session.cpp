#include "Session.h"

#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

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

bool Session::saveDefaultUser(SettingsStore &settings, const nuvora::json::Value &userObject)
{
    settings.setValue(SettingsKeys::defaultUser, userObject);
    const bool stored = settings.flush();
    setDefaultUser(userObject);
    return stored;
}

bool Session::updateDefaultUser(SettingsStore &settings, const nuvora::json::Object &changes)
{
    nuvora::json::Value stored = settings.value(SettingsKeys::defaultUser);
    if (!stored.isObject())
        return false;
    for (const auto &[key, value] : changes)
        stored.asObject().set(key, value);
    return saveDefaultUser(settings, stored);
}

void Session::setAds(Advertisement ads)
{
    ads_ = std::move(ads);
}
