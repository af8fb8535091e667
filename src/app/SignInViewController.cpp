#include "SignInViewController.h"

#include "AppDelegate.h"
#include "platform/AppContext.h"
#include "platform/JsonVariant.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/people/LocationViewController.h"

std::optional<QString> SignInViewController::failureMessage(const JSONFetcher &fetcher)
{
    if (fetcher.status() != 1)
        return fetcher.message();
    const auto &reply = fetcher.result();
    const bool complete = reply && (*reply)["logintoken"].isString()
                          && !(*reply)["logintoken"].asString().empty()
                          && (*reply)["user"].isObject();
    return complete ? std::nullopt : std::optional<QString>(HTTPFetcher::kNetworkFailure);
}

void SignInViewController::beginSession(const nuvora::json::Value &reply)
{
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::loginToken,
                       JsonVariant::toQString(reply["logintoken"].asString()));
    settings.setValue(SettingsKeys::defaultUser, reply["user"]);
    settings.flush();
    if (AppDelegate *delegate = context().service<AppDelegate>())
        delegate->setDefaultUser(reply["user"]);

    if (!settings.string(SettingsKeys::shi).isEmpty()) {
        finishLogin();
        return;
    }
    auto *location = new LocationViewController(context());
    location->setDelegate(this, this);
    context().navigation().presentViewController(location, true);
}

void SignInViewController::locateDidFinished(const std::optional<QString> &cityName)
{
    // Without a city the region screen stays: the hub needs one.
    if (!cityName || cityName->isEmpty())
        return;
    context().navigation().dismissViewController(true);
    finishLogin();
}

void SignInViewController::finishLogin()
{
    if (AppDelegate *delegate = context().service<AppDelegate>())
        delegate->finishLogin();
}
