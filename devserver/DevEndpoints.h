#pragma once
// Test endpoints under "/dev/", answered to loopback callers only: send
// "alert", "offline", "redirect" or "notify" to a connected user, post a chat
// message on a user's behalf, re-send a user's unacknowledged messages, list
// what a user was sent, list microblog posts and reports, add feed entries and
// reminders, change the version "option.php" offers, and reset the data to the freshly
// seeded state.

#include "HttpMessage.h"

#include <functional>

namespace nuvora::devserver {

class ChatServer;
class DevFeed;
class MicroblogStore;
class ReportLog;

class DevEndpoints {
public:
    static constexpr const char *kPrefix = "/dev/";

    DevEndpoints(ChatServer &chat, MicroblogStore &microblogs, ReportLog &reports, DevFeed &feed,
                 std::function<void()> reseed)
        : chat_(chat), microblogs_(microblogs), reports_(reports), feed_(feed),
          reseed_(std::move(reseed))
    {
    }

    HttpResponse handle(const HttpRequest &request) const;
    // What "/dev/version?v=V" calls with V.
    void setVersionOffer(std::function<void(const QString &)> offer) { offer_ = std::move(offer); }

private:
    HttpResponse sendControl(const QString &name, const HttpRequest &request) const;
    HttpResponse postMessage(const HttpRequest &request) const;
    HttpResponse resend(const HttpRequest &request) const;
    HttpResponse delivered(const HttpRequest &request) const;
    HttpResponse microblogPosts() const;
    HttpResponse reportList() const;
    HttpResponse addFeedEntry(const HttpRequest &request) const;
    HttpResponse offerVersion(const HttpRequest &request) const;

    ChatServer &chat_;
    MicroblogStore &microblogs_;
    ReportLog &reports_;
    DevFeed &feed_;
    std::function<void()> reseed_;
    std::function<void(const QString &)> offer_;
};

} // namespace nuvora::devserver
