#include "SignInViewController.h"

#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/JsonVariant.h"
#include "platform/SessionFlow.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/Router.h"

SignInViewController::SignInViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), signInRequest_(new RequestSlot(context, this))
{
    connect(signInRequest_, &RequestSlot::busyChanged, this, &SignInViewController::busyChanged);
}

std::optional<QString> SignInViewController::failureMessage(const JSONFetcher &reply)
{
    if (reply.status() != 1)
        return reply.message();
    const nuvora::json::Value &result = reply.reply();
    const bool complete = result["logintoken"].isString()
                          && !result["logintoken"].asString().empty() && result["user"].isObject();
    return complete ? std::nullopt : std::optional<QString>(HTTPFetcher::kNetworkFailure);
}

RequestSlot::Handler SignInViewController::answer(FailureText failureText,
                                                  std::function<void()> beforeSession)
{
    return [this, failureText, beforeSession = std::move(beforeSession)](const JSONFetcher &reply) {
        if (const std::optional<QString> message = failureMessage(reply)) {
            if (failureText == FailureText::AsTitle)
                context().alerts().showCommonAlert(*message, QString());
            else
                context().alerts().showCommonAlert(QString(), *message);
            return;
        }
        if (beforeSession)
            beforeSession();
        beginSession(reply.reply());
    };
}

void SignInViewController::postSignIn(const QString &script, const QVariantMap &parameters,
                                      std::function<void()> beforeSession)
{
    const RequestSlot::Handler handler = answer(FailureText::AsMessage, std::move(beforeSession));
    signInRequest_->post(script, parameters, handler, handler);
}

void SignInViewController::uploadSignIn(const QString &script, const QVariantMap &parameters)
{
    const RequestSlot::Handler handler = answer(FailureText::AsTitle, {});
    signInRequest_->upload(script, parameters, handler, handler);
}

void SignInViewController::beginSession(const nuvora::json::Value &reply)
{
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::loginToken,
                       JsonVariant::toQString(reply["logintoken"].asString()));
    context().session().saveDefaultUser(settings, reply["user"]);

    if (!settings.string(SettingsKeys::shi).isEmpty()) {
        context().sessionFlow().finishLogin();
        return;
    }
    context().router().openRegionChoice(
        this, [this](const std::optional<QString> &cityName) { locateDidFinished(cityName); });
}

void SignInViewController::locateDidFinished(const std::optional<QString> &cityName)
{
    // Without a city the region screen stays: the hub needs one.
    if (!cityName || cityName->isEmpty())
        return;
    context().router().closeRegionChoice();
    context().sessionFlow().finishLogin();
}
