#pragma once
// The club and party discussion boards, reports and feedback.

#include "ApiServer.h"
#include "Remarks.h"
#include "ReportLog.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class BoardApi {
public:
    explicit BoardApi(ServerContext context)
        : ctx_(context), remarks_(context), reports_(context.db)
    {
    }
    void install(ApiServer &api);

private:
    ApiResult clubRemarks(const ApiRequest &request);
    ApiResult clubRemarkPost(const ApiRequest &request);
    ApiResult partyRemarks(const ApiRequest &request);
    ApiResult partyRemarkPost(const ApiRequest &request);
    ApiResult report(const ApiRequest &request);
    ApiResult feedback(const ApiRequest &request);

    // The board's target id from `key` when that club or party exists.
    std::optional<qint64> target(const ApiRequest &request, const QString &table,
                                 const QString &key, ApiResult *failure);

    ServerContext ctx_;
    Remarks remarks_;
    ReportLog reports_;
};

} // namespace nuvora::devserver
