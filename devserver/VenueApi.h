#pragma once
// Clubs and parties: lists, searches, detail pages, likes, albums, sign-up
// and withdrawal.

#include "ApiServer.h"
#include "ServerContext.h"

namespace nuvora::devserver {

class VenueApi {
public:
    explicit VenueApi(ServerContext context) : ctx_(context) {}
    void install(ApiServer &api);

private:
    ApiResult clubList(const ApiRequest &request);
    ApiResult myClubFavors(const ApiRequest &request);
    ApiResult clubShow(const ApiRequest &request);
    ApiResult clubFavorPost(const ApiRequest &request);
    ApiResult clubFavorOut(const ApiRequest &request);
    ApiResult clubPhotos(const ApiRequest &request);
    ApiResult clubFavorUsers(const ApiRequest &request);
    ApiResult partyList(const ApiRequest &request);
    ApiResult myPartyJoins(const ApiRequest &request);
    ApiResult partyShow(const ApiRequest &request);
    ApiResult partyFavorPost(const ApiRequest &request);
    ApiResult partyFavorOut(const ApiRequest &request);
    ApiResult partyJoinPost(const ApiRequest &request);
    ApiResult partyJoinOut(const ApiRequest &request);
    ApiResult partyPhotos(const ApiRequest &request);
    ApiResult partyFavorUsers(const ApiRequest &request);

    // The club or party named by `key`; a failure result when it is not there.
    std::optional<Row> find(const ApiRequest &request, const QString &table, const QString &key,
                            ApiResult *failure);
    ApiResult setFavor(const ApiRequest &request, bool isClub, bool favor);
    ApiResult favorUsers(const ApiRequest &request, const QString &table, const QString &key,
                         const QString &favorTable, const std::string &listKey);
    json::Array partyPhotoList(const ApiRequest &request, qint64 pid, int page);

    ServerContext ctx_;
};

} // namespace nuvora::devserver
