#pragma once
// What every group of API scripts works with: storage, images and the feed log.

#include "ApiRequest.h"
#include "RecordBuilder.h"

namespace nuvora::devserver {

class Database;
class FeedLog;
class ImageStore;

struct ServerContext {
    Database &db;
    ImageStore &images;
    FeedLog &feeds;

    RecordBuilder records(const ApiRequest &request) const
    {
        return RecordBuilder(db, request.baseUrl, request.uid);
    }
};

// Page sizes, as the service uses them.
namespace pageSize {
constexpr int users = 20;
constexpr int clubs = 10;
constexpr int parties = 10;
constexpr int photos = 18;
constexpr int remarks = 15;
constexpr int feeds = 15;
} // namespace pageSize

} // namespace nuvora::devserver
