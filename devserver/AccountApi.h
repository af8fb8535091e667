#pragma once
// Sign-in, registration, sign-out, the own profile, password and privacy.

#include "ApiServer.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class AccountApi {
public:
    explicit AccountApi(ServerContext context) : ctx_(context) {}
    void install(ApiServer &api);

private:
    ApiResult login(const ApiRequest &request);
    ApiResult registerAccount(const ApiRequest &request);
    ApiResult logout(const ApiRequest &request);
    ApiResult userInfo(const ApiRequest &request);
    ApiResult editInfo(const ApiRequest &request);
    ApiResult privacy(const ApiRequest &request);
    ApiResult uploadCover(const ApiRequest &request);
    ApiResult changePassword(const ApiRequest &request);

    ApiResult signedIn(const ApiRequest &request, qint64 uid, const QString &message);

    ServerContext ctx_;
};

} // namespace nuvora::devserver
