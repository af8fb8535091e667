#pragma once
// The base of the screens that end in a signed-in session (the sign-in screen and
// the last registration step): stores the session from the server's reply, makes
// the signed-in user, and opens the region screen first when no city is stored.

#include "platform/ViewController.h"
#include "screens/people/LocationViewControllerDelegate.h"

#include "api/JSONFetcher.h"
#include "api/json/JsonValue.h"

class SignInViewController : public ViewController, public LocationViewControllerDelegate {
    Q_OBJECT
public:
    using ViewController::ViewController;

    void locateDidFinished(const std::optional<QString> &cityName) override;

protected:
    // Why the reply starts no session (the server's message, or the network
    // failure text for a success without token or user); none when it does.
    static std::optional<QString> failureMessage(const JSONFetcher &fetcher);
    // Stores the token and the user, flushes the store (with whatever the caller
    // set before), signs the user in and goes on to the region screen or the hub.
    void beginSession(const nuvora::json::Value &reply);

private:
    void finishLogin();
};
