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
    if (userObject) {
        defaultUser_.emplace(*userObject, userLocation);
        defaultUserObject_ = *userObject;
    } else {
        defaultUser_.reset();
        defaultUserObject_ = nuvora::json::Value();
    }
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
    if (!defaultUserObject_.isObject())
        return false;
    nuvora::json::Value changed = defaultUserObject_;
    for (const auto &[key, value] : changes)
        changed.asObject().set(key, value);
    return saveDefaultUser(settings, changed);
}

void Session::setAds(Advertisement ads)
{
    ads_ = std::move(ads);
}
