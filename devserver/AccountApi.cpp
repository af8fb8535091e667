#include "AccountApi.h"

#include "Accounts.h"
#include "Database.h"
#include "Dates.h"
#include "FeedLog.h"
#include "ImageStore.h"

namespace nuvora::devserver {

namespace {

constexpr int kMaxNickname = 20;
constexpr int kMaxAbout = 500;

// A profile field: its parameter, its column, and the accepted range of numbers
// (text fields have none).
struct ProfileField {
    const char *name;
    bool numeric;
    int min;
    int max;
    // The unit the client writes behind a number ("178cm"); accepted and dropped.
    const char *unit = "";
};

const ProfileField kProfileFields[] = {
    {"addr_sheng_j", true, 0, 34},   {"addr_shi_j", true, 0, 60},
    {"addr_sheng_c", true, 0, 34},   {"addr_shi_c", true, 0, 60},
    {"shengao", true, 0, 250, "cm"}, {"tizhong", true, 0, 300, "kg"},
    {"about", false, 0, kMaxAbout},  {"zhiye", false, 0, 40},
};

} // namespace

void AccountApi::install(ApiServer &api)
{
    using A = ApiServer::Access;
    api.add(QStringLiteral("account_login.php"), A::Anyone, this, &AccountApi::login);
    api.add(QStringLiteral("account_register.php"), A::Anyone, this, &AccountApi::registerAccount);
    api.add(QStringLiteral("logout.php"), A::SignedIn, this, &AccountApi::logout);
    api.add(QStringLiteral("my_userinfo.php"), A::SignedIn, this, &AccountApi::userInfo);
    api.add(QStringLiteral("my_info_edit.php"), A::SignedIn, this, &AccountApi::editInfo);
    api.add(QStringLiteral("my_info_privacy.php"), A::SignedIn, this, &AccountApi::privacy);
    api.add(QStringLiteral("my_bander_upload.php"), A::SignedIn, this, &AccountApi::uploadCover);
    api.add(QStringLiteral("my_password.php"), A::SignedIn, this, &AccountApi::changePassword);
}

ApiResult AccountApi::signedIn(const ApiRequest &request, qint64 uid, const QString &message)
{
    const QString token = Accounts::openSession(ctx_.db, uid);
    ApiResult result = ApiResult::success(message);
    result.set("logintoken", text(token));
    ApiRequest asUser = request;
    asUser.uid = uid;
    result.set("user", json::Value(ctx_.records(asUser).userById(uid)));
    return result;
}

ApiResult AccountApi::login(const ApiRequest &request)
{
    const QString email = request.text(QStringLiteral("email")).trimmed();
    const QString password = request.text(QStringLiteral("password"));
    if (email.isEmpty())
        return ApiResult::failure(QStringLiteral("请输入登录邮箱"));
    if (password.isEmpty())
        return ApiResult::failure(QStringLiteral("请输入密码"));
    const qint64 uid = Accounts::authenticate(ctx_.db, email, password);
    if (!uid)
        return ApiResult::failure(QStringLiteral("邮箱或密码错误"));
    return signedIn(request, uid, QStringLiteral("登录成功"));
}

ApiResult AccountApi::registerAccount(const ApiRequest &request)
{
    const QString email = request.text(QStringLiteral("email")).trimmed();
    if (!Accounts::isValidEmail(email))
        return ApiResult::failure(QStringLiteral("请输入有效的登录邮箱"));
    if (ctx_.db.integer(QStringLiteral("SELECT COUNT(*) FROM users WHERE email = ?"),
                        {email.toLower()}))
        return ApiResult::failure(QStringLiteral("该邮箱已被注册"));
    if (request.text(QStringLiteral("do")) == QStringLiteral("email"))
        return ApiResult::success(QStringLiteral("该邮箱可以使用"));

    NewUser user;
    user.email = email;
    user.password = request.text(QStringLiteral("password"));
    user.nickname = request.text(QStringLiteral("nickname")).trimmed();
    user.birthday = request.text(QStringLiteral("birthday")).trimmed();
    if (!Accounts::isValidPassword(user.password))
        return ApiResult::failure(QStringLiteral("请输入6至16位的密码"));
    if (user.nickname.isEmpty() || user.nickname.size() > kMaxNickname)
        return ApiResult::failure(QStringLiteral("请输入昵称（不超过20个字）"));
    if (!Dates::isValidBirthday(user.birthday))
        return ApiResult::failure(QStringLiteral("请输入正确的出生日期"));
    const auto gender = request.integer(QStringLiteral("gender"));
    if (!gender || (*gender != 1 && *gender != 2))
        return ApiResult::badParameter(QStringLiteral("gender"));
    user.gender = static_cast<int>(*gender);
    user.lat = request.has(QStringLiteral("lat")) ? request.real(QStringLiteral("lat")) : 0.0;
    user.lng = request.has(QStringLiteral("lng")) ? request.real(QStringLiteral("lng")) : 0.0;
    if (!user.lat || !user.lng || std::abs(*user.lat) > 90 || std::abs(*user.lng) > 180)
        return ApiResult::badParameter(QStringLiteral("lat/lng"));
    user.sheng = request.sheng;
    user.shi = request.shi;
    if (!request.form.files.contains(QStringLiteral("avatar")))
        return ApiResult::failure(QStringLiteral("请上传头像"));
    user.avatar = ctx_.images.storeUpload(request.form.files.value(QStringLiteral("avatar")));
    if (user.avatar.isEmpty())
        return ApiResult::failure(QStringLiteral("头像不是有效的图片"));

    const qint64 uid = Accounts::create(ctx_.db, user);
    if (!uid)
        return ApiResult::failure(QStringLiteral("该邮箱已被注册"));
    return signedIn(request, uid, QStringLiteral("注册成功"));
}

ApiResult AccountApi::logout(const ApiRequest &request)
{
    ctx_.db.exec(QStringLiteral("UPDATE sessions SET ended = 1 WHERE token = ?"), {request.token});
    return ApiResult::success(QStringLiteral("已退出登录"));
}

ApiResult AccountApi::userInfo(const ApiRequest &request)
{
    return ApiResult::success().set("user",
                                    json::Value(ctx_.records(request).userById(request.uid)));
}

ApiResult AccountApi::editInfo(const ApiRequest &request)
{
    QStringList assignments;
    QVariantList values;
    if (request.has(QStringLiteral("nickname"))) {
        const QString nickname = request.text(QStringLiteral("nickname")).trimmed();
        if (nickname.isEmpty() || nickname.size() > kMaxNickname)
            return ApiResult::failure(QStringLiteral("请输入昵称（不超过20个字）"));
        assignments << QStringLiteral("nickname = ?");
        values << nickname;
    }
    // An empty birthday is the form's "none chosen": the stored one stays.
    if (!request.text(QStringLiteral("birthday")).trimmed().isEmpty()) {
        const QString birthday = request.text(QStringLiteral("birthday")).trimmed();
        if (!Dates::isValidBirthday(birthday))
            return ApiResult::failure(QStringLiteral("请输入正确的出生日期"));
        assignments << QStringLiteral("birthday = ?") << QStringLiteral("xingzuo = ?");
        values << birthday << Dates::constellation(birthday);
    }
    for (const ProfileField &field : kProfileFields) {
        const QString name = QString::fromLatin1(field.name);
        if (!request.has(name))
            continue;
        if (field.numeric) {
            QString number = request.text(name).trimmed();
            if (number.endsWith(QLatin1String(field.unit), Qt::CaseInsensitive))
                number.chop(int(qstrlen(field.unit)));
            bool ok = true;
            const qint64 value = number.isEmpty() ? 0 : number.trimmed().toLongLong(&ok);
            if (!ok || value < field.min || value > field.max)
                return ApiResult::badParameter(name);
            values << value;
        } else {
            const QString value = request.text(name).trimmed();
            if (value.size() > field.max)
                return ApiResult::failure(QStringLiteral("内容太长了"));
            values << value;
        }
        assignments << name + QStringLiteral(" = ?");
    }
    if (request.form.files.contains(QStringLiteral("avatar"))) {
        const QString key =
            ctx_.images.storeUpload(request.form.files.value(QStringLiteral("avatar")));
        if (key.isEmpty())
            return ApiResult::failure(QStringLiteral("头像不是有效的图片"));
        assignments << QStringLiteral("avatar = ?");
        values << key;
    }
    if (!assignments.isEmpty()) {
        values << request.uid;
        ctx_.db.exec(QStringLiteral("UPDATE users SET %1 WHERE uid = ?")
                         .arg(assignments.join(QStringLiteral(", "))),
                     values);
        ctx_.feeds.profileChanged(request.uid);
    }
    return ApiResult::success(QStringLiteral("资料修改成功"))
        .set("user", json::Value(ctx_.records(request).userById(request.uid)));
}

ApiResult AccountApi::privacy(const ApiRequest &request)
{
    QVariantList values;
    for (const char *name : {"ischat", "defaultphotoremark", "defaultmoodremark"}) {
        const auto value = request.integer(QString::fromLatin1(name));
        if (!value || (*value != 0 && *value != 1))
            return ApiResult::badParameter(QString::fromLatin1(name));
        values << *value;
    }
    values << request.uid;
    ctx_.db.exec(QStringLiteral("UPDATE users SET ischat = ?, defaultphotoremark = ?, "
                                "defaultmoodremark = ? WHERE uid = ?"),
                 values);
    ctx_.feeds.profileChanged(request.uid);
    return ApiResult::success(QStringLiteral("隐私设置已保存"));
}

ApiResult AccountApi::uploadCover(const ApiRequest &request)
{
    if (!request.form.files.contains(QStringLiteral("img")))
        return ApiResult::failure(QStringLiteral("请选择封面图片"));
    const QString key = ctx_.images.storeUpload(request.form.files.value(QStringLiteral("img")));
    if (key.isEmpty())
        return ApiResult::failure(QStringLiteral("封面不是有效的图片"));
    ctx_.db.exec(QStringLiteral("UPDATE users SET bander = ? WHERE uid = ?"), {key, request.uid});
    ctx_.feeds.profileChanged(request.uid);
    return ApiResult::success(QStringLiteral("封面已更新"))
        .set("bander", text(ImageStore::url(request.baseUrl, key)));
}

ApiResult AccountApi::changePassword(const ApiRequest &request)
{
    const QString oldPassword = request.text(QStringLiteral("oldpassword"));
    const QString password = request.text(QStringLiteral("password"));
    const QString email =
        ctx_.db.row(QStringLiteral("SELECT email FROM users WHERE uid = ?"), {request.uid})
            .text(QStringLiteral("email"));
    if (Accounts::authenticate(ctx_.db, email, oldPassword) != request.uid)
        return ApiResult::failure(QStringLiteral("原密码错误"));
    if (!Accounts::isValidPassword(password))
        return ApiResult::failure(QStringLiteral("请输入6至16位的新密码"));
    Accounts::setPassword(ctx_.db, request.uid, password);
    return ApiResult::success(QStringLiteral("密码修改成功"));
}

} // namespace nuvora::devserver
