#include "ApiResult.h"

namespace nuvora::devserver {

ApiResult ApiResult::success(const QString &message)
{
    ApiResult result;
    result.message = message;
    return result;
}

ApiResult ApiResult::failure(const QString &message)
{
    ApiResult result;
    result.status = 0;
    result.message = message;
    return result;
}

ApiResult ApiResult::badParameter(const QString &name)
{
    return failure(QStringLiteral("参数错误：%1").arg(name));
}

ApiResult ApiResult::notSignedIn()
{
    ApiResult result = failure(QStringLiteral("请先登录"));
    result.status = 2;
    return result;
}

ApiResult ApiResult::notFound(const QString &what)
{
    return failure(QStringLiteral("%1不存在").arg(what));
}

ApiResult &ApiResult::set(const std::string &key, json::Value value)
{
    payload.set(key, std::move(value));
    return *this;
}

} // namespace nuvora::devserver
