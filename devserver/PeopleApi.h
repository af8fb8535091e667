#pragma once
// Finding users and the relations between them: nearby and search, home
// pages, follows, fans, greetings, the blacklist and the favourite lists.

#include "ApiServer.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class PeopleApi {
public:
    explicit PeopleApi(ServerContext context) : ctx_(context) {}
    void install(ApiServer &api);

private:
    ApiResult nearby(const ApiRequest &request);
    ApiResult search(const ApiRequest &request);
    ApiResult home(const ApiRequest &request);
    ApiResult follow(const ApiRequest &request);
    ApiResult unfollow(const ApiRequest &request);
    ApiResult greet(const ApiRequest &request);
    ApiResult removeFan(const ApiRequest &request);
    ApiResult block(const ApiRequest &request);
    ApiResult unblock(const ApiRequest &request);
    ApiResult myFollows(const ApiRequest &request);
    ApiResult myFans(const ApiRequest &request);
    ApiResult myBlacklist(const ApiRequest &request);
    ApiResult homeFollows(const ApiRequest &request);
    ApiResult homeFans(const ApiRequest &request);
    ApiResult homeClubFavors(const ApiRequest &request);
    ApiResult homePartyFavors(const ApiRequest &request);

    // The other user named by "uid"; nothing when missing, malformed or unknown.
    std::optional<qint64> otherUser(const ApiRequest &request, ApiResult *failure);
    // One page of users selected by `sql` with one argument.
    ApiResult userPage(const ApiRequest &request, const QString &sql, qint64 argument,
                       const std::string &key);
    // Orders users by distance from the position; users without one go last.
    static void sortByDistance(QList<Row> &rows, double lat, double lng);

    ServerContext ctx_;
};

} // namespace nuvora::devserver
