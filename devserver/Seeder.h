#pragma once
// The demo data: a demo account, users around a default position, clubs,
// parties, photos, moods, comments, follows, feed entries, reminders, unread
// chat messages and advertisements. Deterministic, so every seed is the same.

#include <QString>

namespace nuvora::devserver {

class Database;
class FeedLog;
class ImageStore;

class Seeder {
public:
    static constexpr const char *kDemoEmail = "demo@nuvora.cn";
    static constexpr const char *kDemoPassword = "nuvora123";
    // The service's own account, which sends the notices.
    static constexpr const char *kHelperEmail = "helper@nuvora.cn";
    // 人民广场, 上海 (region 25/1 of the client's catalogue).
    static constexpr double kDefaultLat = 31.2304;
    static constexpr double kDefaultLng = 121.4737;
    static constexpr int kSheng = 25;
    static constexpr int kShi = 1;

    Seeder(Database &db, ImageStore &images, FeedLog &feeds, const QString &baseUrl)
        : db_(db), images_(images), feeds_(feeds), baseUrl_(baseUrl)
    {
    }

    // Empties every table, then seeds.
    void reseed();

private:
    void clear();
    void seed();

    Database &db_;
    ImageStore &images_;
    FeedLog &feeds_;
    QString baseUrl_;
};

} // namespace nuvora::devserver
