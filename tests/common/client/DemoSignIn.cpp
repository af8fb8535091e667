#include "DemoSignIn.h"

#include "DevServerProcess.h"
#include "app/AppRouter.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

ApiReply DemoSignIn::signIn(DevServerProcess &server, AppContext &context, ApiTestClient &api)
{
    const ApiReply reply = api.call(
        "account_login.php", {{"email", server.demoEmail()}, {"password", server.demoPassword()}});
    if (reply.status() != 1)
        return reply;
    const QString token = QString::fromStdString(reply["logintoken"].toText());
    api.setToken(token);
    context.settings().setString(SettingsKeys::loginToken, token);
    context.session().apiServerAddress = server.apiBase();
    context.session().setDefaultUser(reply["user"]);
    AppRouter::install(context);
    return reply;
}
