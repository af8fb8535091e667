#pragma once
// Comments of every kind ("club", "party", "photo", "mood"): paging, posting
// with the reply reminder, and deletion. Shared by the boards, photos and moods.

#include "ApiRequest.h"
#include "ApiResult.h"
#include "FeedLog.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class Remarks {
public:
    static constexpr int kMaxContent = 500;

    explicit Remarks(ServerContext context) : ctx_(context) {}

    // One page of a target's comments under `listKey`, each with its id as `idKey`.
    ApiResult page(const ApiRequest &request, const QString &kind, qint64 target,
                   const std::string &listKey, const std::string &idKey);
    // Validates "reply" and "content" and stores the comment. The author of an
    // answered comment gets a reminder of `replyType` (with the refs of `about`).
    // On success `*rid` holds the new comment id.
    ApiResult post(const ApiRequest &request, const QString &kind, qint64 target,
                   const QString &replyType, FeedEvent about, qint64 *rid);
    // The comment when it exists and belongs to that kind.
    Row find(const QString &kind, qint64 rid);
    void remove(qint64 rid);

private:
    ServerContext ctx_;
};

} // namespace nuvora::devserver
