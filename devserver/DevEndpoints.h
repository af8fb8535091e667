#pragma once
// Test endpoints under "/dev/", answered to loopback callers only: send
// "alert", "offline", "redirect" or "notify" to a connected user, post a chat
// message on a user's behalf, re-send a user's unacknowledged messages, list
// what a user was sent, list microblog posts, and reset the data to the
// freshly seeded state.

#include "HttpMessage.h"

#include <functional>

namespace nuvora::devserver {

class ChatServer;
class MicroblogStore;

class DevEndpoints {
public:
    static constexpr const char *kPrefix = "/dev/";

    DevEndpoints(ChatServer &chat, MicroblogStore &microblogs, std::function<void()> reseed)
        : chat_(chat), microblogs_(microblogs), reseed_(std::move(reseed))
    {
    }

    HttpResponse handle(const HttpRequest &request) const;

private:
    HttpResponse sendControl(const QString &name, const HttpRequest &request) const;
    HttpResponse postMessage(const HttpRequest &request) const;
    HttpResponse resend(const HttpRequest &request) const;
    HttpResponse delivered(const HttpRequest &request) const;
    HttpResponse microblogPosts() const;

    ChatServer &chat_;
    MicroblogStore &microblogs_;
    std::function<void()> reseed_;
};

} // namespace nuvora::devserver
