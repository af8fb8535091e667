#pragma once
// The four feeds (followed users, the own city, one user's timeline, the own
// timeline) and the reminders, all paged by "feedid" cursors. Every feed sends
// entries of every type it holds; choosing the types to show is the client's.

#include "ApiServer.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class FeedApi {
public:
    explicit FeedApi(ServerContext context) : ctx_(context) {}
    void install(ApiServer &api);

private:
    ApiResult followFeed(const ApiRequest &request);
    ApiResult cityFeed(const ApiRequest &request);
    ApiResult userFeed(const ApiRequest &request);
    ApiResult ownFeed(const ApiRequest &request);
    ApiResult reminders(const ApiRequest &request);

    // Entries matching `where` (with its arguments) older than the cursor.
    ApiResult page(const ApiRequest &request, const QString &where, QVariantList args);

    ServerContext ctx_;
};

} // namespace nuvora::devserver
