#pragma once
// Client options ("option.php": version and advertisements) and the
// position-to-region lookup ("lbs.php").

#include "ApiServer.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class OptionApi {
public:
    static constexpr const char *kVersion = "2.0.0";

    explicit OptionApi(ServerContext context) : ctx_(context) {}
    void install(ApiServer &api);

    // The version "option.php" offers (kVersion unless told otherwise), as given: a test
    // may offer one the client cannot read.
    QString version() const { return version_; }
    void setVersion(const QString &version) { version_ = version; }

private:
    ApiResult options(const ApiRequest &request);
    ApiResult locate(const ApiRequest &request);

    ServerContext ctx_;
    QString version_ = QString::fromLatin1(kVersion);
};

} // namespace nuvora::devserver
