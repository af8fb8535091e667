#include "PhotoApi.h"

#include "Database.h"
#include "Dates.h"
#include "FeedLog.h"
#include "ImageStore.h"

namespace nuvora::devserver {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// In UTF-16 units. The client keeps captions to 140; the server takes more, so
// that the client alone decides the limit its users see.
constexpr int kMaxCaption = 260;

} // namespace

void PhotoApi::install(ApiServer &api)
{
    using A = ApiServer::Access;
    api.add(s("photo.php"), A::SignedIn, this, &PhotoApi::album);
    api.add(s("my_photo_upload.php"), A::SignedIn, this, &PhotoApi::upload);
    api.add(s("photo_show.php"), A::SignedIn, this, &PhotoApi::show);
    api.add(s("photo_remark.php"), A::SignedIn, this, &PhotoApi::comments);
    api.add(s("photo_remark_post.php"), A::SignedIn, this, &PhotoApi::comment);
    api.add(s("photo_zan_post.php"), A::SignedIn, this, &PhotoApi::like);
    api.add(s("photo_zan_out.php"), A::SignedIn, this, &PhotoApi::unlike);
    api.add(s("my_photo_del.php"), A::SignedIn, this, &PhotoApi::remove);
    api.add(s("my_photoremark_del.php"), A::SignedIn, this, &PhotoApi::removeComment);
}

std::optional<Row> PhotoApi::photo(const ApiRequest &request, ApiResult *failure)
{
    const auto pid = request.integer(s("pid"));
    if (!pid || *pid <= 0) {
        *failure = ApiResult::badParameter(s("pid"));
        return std::nullopt;
    }
    const Row row = ctx_.db.row(s("SELECT * FROM photos WHERE pid = ?"), {*pid});
    if (!row.isValid()) {
        *failure = ApiResult::notFound(s("该照片"));
        return std::nullopt;
    }
    return row;
}

ApiResult PhotoApi::album(const ApiRequest &request)
{
    const auto page = request.page();
    if (!page)
        return ApiResult::badParameter(s("page"));
    const auto uid =
        request.has(s("uid")) ? request.integer(s("uid")) : std::optional<qint64>(request.uid);
    if (!uid || *uid <= 0)
        return ApiResult::badParameter(s("uid"));
    const QList<Row> rows = ctx_.db.page(s("SELECT * FROM photos WHERE uid = ? ORDER BY pid DESC"),
                                         {*uid}, pageSize::photos, *page);
    return ApiResult::success().set("photos", json::Value(ctx_.records(request).photos(rows)));
}

ApiResult PhotoApi::upload(const ApiRequest &request)
{
    const QString caption = request.text(s("text")).trimmed();
    if (caption.size() > kMaxCaption)
        return ApiResult::failure(s("照片描述不能超过260字"));
    const auto isremark = request.text(s("isremark")).isEmpty() ? std::optional<qint64>(0)
                                                                : request.integer(s("isremark"));
    if (!isremark || (*isremark != 0 && *isremark != 1))
        return ApiResult::badParameter(s("isremark"));
    if (!request.form.files.contains(s("img")))
        return ApiResult::failure(s("请选择要上传的照片"));
    const QString key = ctx_.images.storeUpload(request.form.files.value(s("img")));
    if (key.isEmpty())
        return ApiResult::failure(s("照片不是有效的图片"));
    const qint64 pid = ctx_.db.insert(
        s("INSERT INTO photos (uid, img, text, isremark, time) VALUES (?, ?, ?, ?, ?)"),
        {request.uid, key, caption, *isremark, Dates::now()});
    FeedEvent event(s("photoupload"), request.uid);
    event.photoid = pid;
    ctx_.feeds.publish(event);
    return ApiResult::success(s("照片上传成功"))
        .set("photo", json::Value(ctx_.records(request).photo(
                          ctx_.db.row(s("SELECT * FROM photos WHERE pid = ?"), {pid}))));
}

ApiResult PhotoApi::show(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = photo(request, &failure);
    if (!row)
        return failure;
    json::Object object = ctx_.records(request).photo(*row);
    const json::Value iszan = *object.find("iszan");
    return ApiResult::success().set("iszan", iszan).set("photo", json::Value(std::move(object)));
}

ApiResult PhotoApi::comments(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = photo(request, &failure);
    return row ? remarks_.page(request, s("photo"), row->integer(s("pid")), "photoremarks", "prid")
               : failure;
}

ApiResult PhotoApi::comment(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = photo(request, &failure);
    if (!row)
        return failure;
    const qint64 owner = row->integer(s("uid"));
    if (row->integer(s("isremark")) == 1 && owner != request.uid)
        return ApiResult::failure(s("照片主人关闭了评论"));
    FeedEvent about(s("photoremark"), request.uid);
    about.photoid = row->integer(s("pid"));
    qint64 rid = 0;
    ApiResult result =
        remarks_.post(request, s("photo"), about.photoid, s("photoremarkreply"), about, &rid);
    if (result.status == 1)
        ctx_.feeds.remind(owner, about);
    return result;
}

ApiResult PhotoApi::like(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = photo(request, &failure);
    if (!row)
        return failure;
    const qint64 pid = row->integer(s("pid"));
    if (ctx_.db.integer(s("SELECT COUNT(*) FROM photo_zans WHERE pid = ? AND uid = ?"),
                        {pid, request.uid}))
        return ApiResult::failure(s("你已经称赞过这张照片"));
    ctx_.db.exec(s("INSERT INTO photo_zans (pid, uid, time) VALUES (?, ?, ?)"),
                 {pid, request.uid, Dates::now()});
    FeedEvent event(s("photozan"), request.uid);
    event.photoid = pid;
    ctx_.feeds.publish(event);
    ctx_.feeds.remind(row->integer(s("uid")), event);
    return ApiResult::success(s("已称赞"));
}

ApiResult PhotoApi::unlike(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = photo(request, &failure);
    if (!row)
        return failure;
    ctx_.db.exec(s("DELETE FROM photo_zans WHERE pid = ? AND uid = ?"),
                 {row->integer(s("pid")), request.uid});
    return ApiResult::success(s("已取消称赞"));
}

ApiResult PhotoApi::remove(const ApiRequest &request)
{
    ApiResult failure;
    const auto row = photo(request, &failure);
    if (!row)
        return failure;
    if (row->integer(s("uid")) != request.uid)
        return ApiResult::failure(s("只能删除自己的照片"));
    const qint64 pid = row->integer(s("pid"));
    ctx_.db.exec(s("DELETE FROM photos WHERE pid = ?"), {pid});
    ctx_.db.exec(s("DELETE FROM photo_zans WHERE pid = ?"), {pid});
    ctx_.db.exec(s("DELETE FROM remarks WHERE kind = 'photo' AND target = ?"), {pid});
    ctx_.feeds.forgetPhoto(pid);
    return ApiResult::success(s("照片已删除"));
}

ApiResult PhotoApi::removeComment(const ApiRequest &request)
{
    const auto prid = request.integer(s("prid"));
    if (!prid || *prid <= 0)
        return ApiResult::badParameter(s("prid"));
    const Row remark = remarks_.find(s("photo"), *prid);
    if (!remark.isValid())
        return ApiResult::notFound(s("该评论"));
    const qint64 owner =
        ctx_.db.integer(s("SELECT uid FROM photos WHERE pid = ?"), {remark.integer(s("target"))});
    if (owner != request.uid && remark.integer(s("uid")) != request.uid)
        return ApiResult::failure(s("只能删除自己照片上的评论"));
    remarks_.remove(*prid);
    return ApiResult::success(s("评论已删除"));
}

} // namespace nuvora::devserver
