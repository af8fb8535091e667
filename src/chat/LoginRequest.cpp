#include "LoginRequest.h"

#include "platform/JsonVariant.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

using JsonVariant::toStdString;

LoginRequest::LoginRequest(const SettingsStore &settings)
    : command(QStringLiteral("logintoken")), terminal(QStringLiteral("ios")),
      version(QStringLiteral("2.0.0")), deviceToken(settings.string(SettingsKeys::deviceToken))
{
}

nuvora::json::Value LoginRequest::dictionaryValue() const
{
    nuvora::json::Object object;
    object.set("command", toStdString(command));
    object.set("terminal", toStdString(terminal));
    object.set("version", toStdString(version));
    object.set("token", toStdString(deviceToken));
    object.set("logintoken", toStdString(loginToken));
    return object;
}
