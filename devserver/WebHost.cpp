#include "WebHost.h"

#include "JsonText.h"

namespace nuvora::devserver {

HttpResponse WebHost::handle(const HttpRequest &request) const
{
    if (request.path == QStringLiteral("/m/iphone2.0.0.json")) {
        auto endpoint = [](quint16 port) {
            json::Object o;
            o.set("host", json::Value("127.0.0.1"));
            o.set("port", number(port));
            return json::Value(std::move(o));
        };
        json::Object config;
        config.set("api", endpoint(httpPort_));
        config.set("message", endpoint(chatPort_));
        return HttpResponse::json(encode(json::Value(std::move(config))));
    }
    if (request.path == QStringLiteral("/m/getpassword.php")) {
        return HttpResponse::html(
            QStringLiteral("找回密码"),
            QStringLiteral("<h3>找回密码</h3><p>请输入注册时使用的邮箱，我们会把重置密码的链接"
                           "发送到这个邮箱。</p><form method=\"post\"><input name=\"email\" "
                           "type=\"email\" placeholder=\"邮箱\"> <button>发送</button></form>"));
    }
    if (request.path == QStringLiteral("/m/about.php")) {
        return HttpResponse::html(
            QStringLiteral("关于Nuvora"),
            QStringLiteral("<h3>关于Nuvora</h3><p>Nuvora是一个基于位置的夜生活社交网络：发现身边"
                           "的朋友，逛夜店，参加活动，分享你的夜晚。</p><p>版本 2.0.0</p>"
                           "<p>官网：<a href=\"https://www.nuvora.cn/\">www.nuvora.cn</a></p>"));
    }
    return HttpResponse::text(404, "not found");
}

} // namespace nuvora::devserver
