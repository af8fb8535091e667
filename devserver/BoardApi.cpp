#include "BoardApi.h"

#include "Database.h"
#include "Dates.h"

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

void BoardApi::install(ApiServer &api)
{
    using A = ApiServer::Access;
    api.add(s("club_remark.php"), A::SignedIn, this, &BoardApi::clubRemarks);
    api.add(s("club_remark_post.php"), A::SignedIn, this, &BoardApi::clubRemarkPost);
    api.add(s("party_remark.php"), A::SignedIn, this, &BoardApi::partyRemarks);
    api.add(s("party_remark_post.php"), A::SignedIn, this, &BoardApi::partyRemarkPost);
    api.add(s("jubao.php"), A::SignedIn, this, &BoardApi::report);
    api.add(s("yijian.php"), A::SignedIn, this, &BoardApi::feedback);
}

std::optional<qint64> BoardApi::target(const ApiRequest &request, const QString &table,
                                       const QString &key, ApiResult *failure)
{
    const auto id = request.integer(key);
    if (!id || *id <= 0) {
        *failure = ApiResult::badParameter(key);
        return std::nullopt;
    }
    if (!ctx_.db.integer(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(table, key),
                         {*id})) {
        *failure = ApiResult::notFound(table == s("clubs") ? s("该夜店") : s("该活动"));
        return std::nullopt;
    }
    return id;
}

ApiResult BoardApi::clubRemarks(const ApiRequest &request)
{
    ApiResult failure;
    const auto clid = target(request, s("clubs"), s("clid"), &failure);
    return clid ? remarks_.page(request, s("club"), *clid, "clubremarks", "crid") : failure;
}

ApiResult BoardApi::partyRemarks(const ApiRequest &request)
{
    ApiResult failure;
    const auto pid = target(request, s("parties"), s("pid"), &failure);
    return pid ? remarks_.page(request, s("party"), *pid, "partyremarks", "prid") : failure;
}

ApiResult BoardApi::clubRemarkPost(const ApiRequest &request)
{
    ApiResult failure;
    const auto clid = target(request, s("clubs"), s("clid"), &failure);
    if (!clid)
        return failure;
    FeedEvent about(s("clubremarkreply"), request.uid);
    about.clid = *clid;
    qint64 rid = 0;
    return remarks_.post(request, s("club"), *clid, s("clubremarkreply"), about, &rid);
}

ApiResult BoardApi::partyRemarkPost(const ApiRequest &request)
{
    ApiResult failure;
    const auto pid = target(request, s("parties"), s("pid"), &failure);
    if (!pid)
        return failure;
    FeedEvent about(s("partyremarkreply"), request.uid);
    about.partyid = *pid;
    qint64 rid = 0;
    return remarks_.post(request, s("party"), *pid, s("partyremarkreply"), about, &rid);
}

ApiResult BoardApi::report(const ApiRequest &request)
{
    static const QStringList types = {s("photo"),      s("photoremark"), s("mood"),
                                      s("moodremark"), s("partyremark"), s("clubremark")};
    const QString type = request.text(s("type"));
    if (!types.contains(type))
        return ApiResult::badParameter(s("type"));
    const auto id = request.integer(s("id"));
    if (!id || *id <= 0)
        return ApiResult::badParameter(s("id"));
    const QString content = request.text(s("content")).trimmed().left(500);
    reports_.add(request.uid, type, *id, content);
    return ApiResult::success(s("举报成功，我们将在核实之后尽快处理"));
}

ApiResult BoardApi::feedback(const ApiRequest &request)
{
    const QString content = request.text(s("content")).trimmed();
    if (content.isEmpty())
        return ApiResult::failure(s("请输入反馈内容"));
    if (content.size() > 2000)
        return ApiResult::failure(s("反馈内容太长了"));
    ctx_.db.exec(s("INSERT INTO feedback (uid, content, time) VALUES (?, ?, ?)"),
                 {request.uid, content, Dates::now()});
    return ApiResult::success(s("感谢您的反馈"));
}

} // namespace nuvora::devserver
