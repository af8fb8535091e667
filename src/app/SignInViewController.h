#pragma once
// The base of the screens that end in a signed-in session (the sign-in screen and
// the last registration step): stores the session from the server's reply, signs the
// user in, and opens the region screen first when no city is stored.

#include "api/JSONFetcher.h"
#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <optional>

class SignInViewController : public ViewController {
    Q_OBJECT
public:
    explicit SignInViewController(AppContext &context, QObject *parent = nullptr);

    // The indicator runs and input is blocked while the session request is out.
    bool isRunning() const { return signInRequest_->busy(); }
    bool busy() const override { return isRunning(); }

    // The region screen's answer.
    void locateDidFinished(const std::optional<QString> &cityName);

protected:
    // Sends the request that starts the session; its message on failure is the alert's text.
    void postSignIn(const QString &script, const QVariantMap &parameters,
                    std::function<void()> beforeSession = {});
    // The registration upload; its message on failure is the alert's title.
    void uploadSignIn(const QString &script, const QVariantMap &parameters);

private:
    // Why the reply starts no session (the server's message, or the network
    // failure text for a success without token or user); none when it does.
    static std::optional<QString> failureMessage(const JSONFetcher &reply);
    enum class FailureText { AsMessage, AsTitle };
    RequestSlot::Handler answer(FailureText failureText, std::function<void()> beforeSession);
    // Stores the token and the user, flushes the store (with whatever the caller
    // set before), signs the user in and goes on to the region screen or the hub.
    void beginSession(const nuvora::json::Value &reply);

    RequestSlot *signInRequest_;
};
