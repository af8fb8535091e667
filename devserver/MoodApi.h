#pragma once
// Moods: posting, comments and deletion.

#include "ApiServer.h"
#include "Remarks.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class MoodApi {
public:
    // In UTF-16 units. The client keeps moods to 160; the server takes more, so
    // that the client alone decides the limit its users see.
    static constexpr int kMaxMood = 260;

    explicit MoodApi(ServerContext context) : ctx_(context), remarks_(context) {}
    void install(ApiServer &api);

private:
    ApiResult post(const ApiRequest &request);
    ApiResult comments(const ApiRequest &request);
    ApiResult comment(const ApiRequest &request);
    ApiResult remove(const ApiRequest &request);
    ApiResult removeComment(const ApiRequest &request);

    std::optional<Row> mood(const ApiRequest &request, ApiResult *failure);
    void restoreSignature(qint64 uid, const QString &deletedContent);

    ServerContext ctx_;
    Remarks remarks_;
};

} // namespace nuvora::devserver
