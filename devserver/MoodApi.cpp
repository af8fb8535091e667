#include "MoodApi.h"

#include "Database.h"
#include "Dates.h"
#include "FeedLog.h"

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

void MoodApi::install(ApiServer &api)
{
    using A = ApiServer::Access;
    api.add(s("my_mood_post.php"), A::SignedIn, this, &MoodApi::post);
    api.add(s("mood_remark.php"), A::SignedIn, this, &MoodApi::comments);
    api.add(s("mood_remark_post.php"), A::SignedIn, this, &MoodApi::comment);
    api.add(s("my_mood_del.php"), A::SignedIn, this, &MoodApi::remove);
    api.add(s("my_moodremark_del.php"), A::SignedIn, this, &MoodApi::removeComment);
}

std::optional<Row> MoodApi::mood(const ApiRequest &request, ApiResult *failure)
{
    const auto mid = request.integer(s("mid"));
    if (!mid || *mid <= 0) {
        *failure = ApiResult::badParameter(s("mid"));
        return std::nullopt;
    }
    const Row row = ctx_.db.row(s("SELECT * FROM moods WHERE moodid = ?"), {*mid});
    if (!row.isValid()) {
        *failure = ApiResult::notFound(s("该心情"));
        return std::nullopt;
    }
    return row;
}

ApiResult MoodApi::post(const ApiRequest &request)
{
    const QString content = request.text(s("content")).trimmed();
    if (content.isEmpty())
        return ApiResult::failure(s("至少说点什么吧！"));
    if (content.size() > kMaxMood)
        return ApiResult::failure(s("心情不能超过260字"));
    const auto isremark = request.text(s("isremark")).isEmpty() ? std::optional<qint64>(0)
                                                                : request.integer(s("isremark"));
    if (!isremark || (*isremark != 0 && *isremark != 1))
        return ApiResult::badParameter(s("isremark"));
    const qint64 moodid =
        ctx_.db.insert(s("INSERT INTO moods (uid, content, isremark, time) VALUES (?, ?, ?, ?)"),
                       {request.uid, content, *isremark, Dates::now()});
    ctx_.db.exec(s("UPDATE users SET mood = ? WHERE uid = ?"), {content, request.uid});
    ctx_.feeds.profileChanged(request.uid);
    FeedEvent event(s("mood"), request.uid);
    event.moodid = moodid;
    ctx_.feeds.publish(event);
    return ApiResult::success(s("心情发表成功"));
}

ApiResult MoodApi::comments(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = mood(request, &failure);
    return row ? remarks_.page(request, s("mood"), row->integer(s("moodid")), "moodremarks", "mrid")
               : failure;
}

ApiResult MoodApi::comment(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = mood(request, &failure);
    if (!row)
        return failure;
    const qint64 owner = row->integer(s("uid"));
    if (row->integer(s("isremark")) == 1 && owner != request.uid)
        return ApiResult::failure(s("心情主人关闭了评论"));
    FeedEvent about(s("moodremark"), request.uid);
    about.moodid = row->integer(s("moodid"));
    qint64 rid = 0;
    ApiResult result =
        remarks_.post(request, s("mood"), about.moodid, s("moodremarkreply"), about, &rid);
    if (result.status == 1)
        ctx_.feeds.remind(owner, about);
    return result;
}

ApiResult MoodApi::remove(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = mood(request, &failure);
    if (!row)
        return failure;
    if (row->integer(s("uid")) != request.uid)
        return ApiResult::failure(s("只能删除自己的心情"));
    const qint64 moodid = row->integer(s("moodid"));
    ctx_.db.exec(s("DELETE FROM moods WHERE moodid = ?"), {moodid});
    ctx_.db.exec(s("DELETE FROM remarks WHERE kind = 'mood' AND target = ?"), {moodid});
    ctx_.feeds.forgetMood(moodid);
    restoreSignature(row->integer(s("uid")), row->text(s("content")));
    return ApiResult::success(s("心情已删除"));
}

// Posting a mood makes it the user's signature, so the signature is the newest
// mood's text. When it still shows the deleted mood, it falls back to the
// newest remaining mood (the same text when a copy of it remains), or to
// nothing when none does. A signature that shows another text stays.
void MoodApi::restoreSignature(qint64 uid, const QString &deletedContent)
{
    const Row user = ctx_.db.row(s("SELECT mood FROM users WHERE uid = ?"), {uid});
    if (user.text(s("mood")) != deletedContent)
        return;
    const Row newest = ctx_.db.row(
        s("SELECT content FROM moods WHERE uid = ? ORDER BY time DESC, moodid DESC LIMIT 1"),
        {uid});
    ctx_.db.exec(s("UPDATE users SET mood = ? WHERE uid = ?"), {newest.text(s("content")), uid});
    ctx_.feeds.profileChanged(uid);
}

ApiResult MoodApi::removeComment(const ApiRequest &request)
{
    const auto mrid = request.integer(s("mrid"));
    if (!mrid || *mrid <= 0)
        return ApiResult::badParameter(s("mrid"));
    const Row remark = remarks_.find(s("mood"), *mrid);
    if (!remark.isValid())
        return ApiResult::notFound(s("该评论"));
    const qint64 owner =
        ctx_.db.integer(s("SELECT uid FROM moods WHERE moodid = ?"), {remark.integer(s("target"))});
    if (owner != request.uid && remark.integer(s("uid")) != request.uid)
        return ApiResult::failure(s("只能删除自己心情下的评论"));
    remarks_.remove(*mrid);
    return ApiResult::success(s("评论已删除"));
}

} // namespace nuvora::devserver
