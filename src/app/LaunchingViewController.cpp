#include "LaunchingViewController.h"

#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/JsonVariant.h"
#include "platform/LogCategories.h"
#include "platform/SessionFlow.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace json = nuvora::json;

namespace {
// A host and port pair of the configuration document, when it is usable.
bool readServer(const json::Value &document, std::string_view name, QString *host, int *port)
{
    const json::Value &server = document[name];
    const json::Value &hostValue = server["host"];
    const int64_t portValue = server["port"].toInteger();
    if (!hostValue.isString() || hostValue.asString().empty() || portValue <= 0
        || portValue > 65535)
        return false;
    *host = JsonVariant::toQString(hostValue.asString());
    *port = int(portValue);
    return true;
}
} // namespace

LaunchingViewController::LaunchingViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), optionRequest_(new RequestSlot(context, this))
{
}

LaunchingViewController::~LaunchingViewController() = default;

void LaunchingViewController::setRunning(bool running)
{
    if (running == running_)
        return;
    running_ = running;
    emit runningChanged();
}

void LaunchingViewController::viewDidLoad()
{
    setRunning(true);
    const qint64 stored = context().settings().integer(SettingsKeys::lastOptionUpdateTime);
    const qint64 now = context().clock().secondsSince1970();
    // Stored addresses that went missing are fetched again whatever their age.
    if (now - stored <= kOptionLifetimeSeconds && hasStoredOptions()) {
        loadClientOptions();
        finishedLaunching();
    } else {
        fetchClientOptions();
    }
}

bool LaunchingViewController::hasStoredOptions() const
{
    return !context().settings().string(SettingsKeys::apiServerAddress).isEmpty();
}

void LaunchingViewController::loadClientOptions()
{
    const SettingsStore &settings = context().settings();
    Session &session = context().session();
    session.apiServerAddress = settings.string(SettingsKeys::apiServerAddress);
    session.socketServer = settings.string(SettingsKeys::firstSocketAddress);
    session.socketPort = qint32(settings.integer(SettingsKeys::firstSocketPort));
}

void LaunchingViewController::fetchClientOptions()
{
    const QString url =
        context().options().webHost.toString(QUrl::StripTrailingSlash) + kOptionPath;
    // The document carries no "status": every reply is read here.
    const auto answer = [this](const JSONFetcher &reply) { receivedOptionResponse(reply); };
    optionRequest_->getDocument(url, answer, answer);
}

void LaunchingViewController::receivedOptionResponse(const JSONFetcher &reply)
{
    QString apiHost, chatHost;
    int apiPort = 0, chatPort = 0;
    const bool usable = readServer(reply.reply(), "api", &apiHost, &apiPort)
                        && readServer(reply.reply(), "message", &chatHost, &chatPort);

    if (usable) {
        Session &session = context().session();
        session.apiServerAddress =
            QStringLiteral("http://%1:%2/iphone/2.0/").arg(apiHost, QString::number(apiPort));
        session.socketServer = chatHost;
        session.socketPort = chatPort;
        SettingsStore &settings = context().settings();
        settings.setString(SettingsKeys::apiServerAddress, session.apiServerAddress);
        settings.setString(SettingsKeys::firstSocketAddress, chatHost);
        settings.setString(SettingsKeys::firstSocketPort, QString::number(chatPort));
        settings.setString(SettingsKeys::lastOptionUpdateTime,
                           QString::number(context().clock().secondsSince1970()));
        settings.flush();
        finishedLaunching();
        return;
    }
    qCInfo(lcNet) << "the start-up configuration could not be fetched or is incomplete";
    // Addresses that worked before are better than none; their time stays, so the
    // next launch tries again.
    if (hasStoredOptions()) {
        loadClientOptions();
        finishedLaunching();
        return;
    }
    context().alerts().showAlert(HTTPFetcher::kNetworkFailure, QString(), QString(), {kRetryButton},
                                 0, this, [this](int) { fetchClientOptions(); });
}

void LaunchingViewController::finishedLaunching()
{
    setRunning(false);
    const SettingsStore &settings = context().settings();
    const json::Value user = settings.value(SettingsKeys::defaultUser);
    // Without the stored user the session cannot be resumed, so it is signed in anew.
    if (!settings.string(SettingsKeys::password).isEmpty()
        && !settings.string(SettingsKeys::loginToken).isEmpty() && user.isObject()) {
        context().session().setDefaultUser(user);
        context().sessionFlow().finishLogin();
    } else {
        context().sessionFlow().gotoLogin();
    }
}
