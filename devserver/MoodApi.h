#pragma once
// Moods: posting, comments and deletion.

#include "ApiServer.h"
#include "Remarks.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class MoodApi {
public:
    static constexpr int kMaxMood = 140;

    explicit MoodApi(ServerContext context) : ctx_(context), remarks_(context) {}
    void install(ApiServer &api);

private:
    ApiResult post(const ApiRequest &request);
    ApiResult comments(const ApiRequest &request);
    ApiResult comment(const ApiRequest &request);
    ApiResult remove(const ApiRequest &request);
    ApiResult removeComment(const ApiRequest &request);

    std::optional<Row> mood(const ApiRequest &request, ApiResult *failure);

    ServerContext ctx_;
    Remarks remarks_;
};

} // namespace nuvora::devserver
