#include "Remarks.h"

#include "Database.h"
#include "Dates.h"
#include "FeedLog.h"

namespace nuvora::devserver {

ApiResult Remarks::page(const ApiRequest &request, const QString &kind, qint64 target,
                        const std::string &listKey, const std::string &idKey)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(QStringLiteral("page"));
    const QList<Row> rows =
        ctx_.db.page(RecordBuilder::remarkQuery(), {kind, target}, pageSize::remarks, *page);
    return ApiResult::success().set(listKey,
                                    json::Value(ctx_.records(request).remarks(rows, idKey)));
}

ApiResult Remarks::post(const ApiRequest &request, const QString &kind, qint64 target,
                        const QString &replyType, FeedEvent about, qint64 *rid)
{
    const QString content = request.text(QStringLiteral("content")).trimmed();
    if (content.isEmpty())
        return ApiResult::failure(QStringLiteral("至少说点什么吧！"));
    if (content.size() > kMaxContent)
        return ApiResult::failure(QStringLiteral("评论不能超过500字"));
    const auto reply = request.text(QStringLiteral("reply")).isEmpty()
                           ? std::optional<qint64>(0)
                           : request.integer(QStringLiteral("reply"));
    if (!reply || *reply < 0)
        return ApiResult::badParameter(QStringLiteral("reply"));
    Row answered;
    if (*reply > 0) {
        answered = find(kind, *reply);
        if (!answered.isValid() || answered.integer(QStringLiteral("target")) != target)
            return ApiResult::notFound(QStringLiteral("回复的评论"));
    }
    *rid = ctx_.db.insert(QStringLiteral("INSERT INTO remarks (kind, target, uid, reply, content, "
                                         "time) VALUES (?, ?, ?, ?, ?, ?)"),
                          {kind, target, request.uid, *reply, content, Dates::now()});
    if (answered.isValid()) {
        about.type = replyType;
        about.uid = request.uid;
        ctx_.feeds.remind(answered.integer(QStringLiteral("uid")), about);
    }
    return ApiResult::success(QStringLiteral("评论成功"));
}

Row Remarks::find(const QString &kind, qint64 rid)
{
    return ctx_.db.row(QStringLiteral("SELECT * FROM remarks WHERE rid = ? AND kind = ?"),
                       {rid, kind});
}

void Remarks::remove(qint64 rid)
{
    ctx_.db.exec(QStringLiteral("DELETE FROM remarks WHERE rid = ?"), {rid});
}

} // namespace nuvora::devserver
