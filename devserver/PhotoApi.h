#pragma once
// Users' photos: albums, upload, the photo page, likes, comments, deletion.

#include "ApiServer.h"
#include "Remarks.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class PhotoApi {
public:
    explicit PhotoApi(ServerContext context) : ctx_(context), remarks_(context) {}
    void install(ApiServer &api);

private:
    ApiResult album(const ApiRequest &request);
    ApiResult upload(const ApiRequest &request);
    ApiResult show(const ApiRequest &request);
    ApiResult comments(const ApiRequest &request);
    ApiResult comment(const ApiRequest &request);
    ApiResult like(const ApiRequest &request);
    ApiResult unlike(const ApiRequest &request);
    ApiResult remove(const ApiRequest &request);
    ApiResult removeComment(const ApiRequest &request);

    std::optional<Row> photo(const ApiRequest &request, ApiResult *failure);

    ServerContext ctx_;
    Remarks remarks_;
};

} // namespace nuvora::devserver
