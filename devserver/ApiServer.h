#pragma once
// The API under "/iphone/2.0/": finds the script, decodes the form, resolves
// the session from the cookie, runs the script and wraps its result in the
// envelope ("status", "message" and, for a signed-in user, "feed_notify").

#include "ApiRequest.h"
#include "ApiResult.h"
#include "HttpMessage.h"

#include <QHash>
#include <functional>

namespace nuvora::devserver {

class Database;
class FeedLog;

class ApiServer {
public:
    using Script = std::function<ApiResult(const ApiRequest &)>;
    enum class Access { Anyone, SignedIn };

    static constexpr const char *kPrefix = "/iphone/2.0/";

    ApiServer(Database &db, FeedLog &feeds, const QString &baseUrl);

    void add(const QString &name, Access access, Script script);
    template <class Area>
    void add(const QString &name, Access access, Area *area,
             ApiResult (Area::*method)(const ApiRequest &))
    {
        add(name, access, [area, method](const ApiRequest &call) { return (area->*method)(call); });
    }
    QStringList scripts() const { return scripts_.keys(); }
    HttpResponse handle(const HttpRequest &request) const;

private:
    struct Entry {
        Access access;
        Script script;
    };

    Database &db_;
    FeedLog &feeds_;
    QString baseUrl_;
    QHash<QString, Entry> scripts_;
};

} // namespace nuvora::devserver
