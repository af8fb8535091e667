#pragma once
// The first microblog service: "/oauth2/authorize" (a page whose links carry
// the code), "/oauth2/access_token" and "/2/statuses/update.json" and
// "/2/statuses/upload.json" for posting with the access token.

#include "HttpMessage.h"
#include "MicroblogStore.h"

namespace nuvora::devserver {

class CodeGrantMicroblog {
public:
    explicit CodeGrantMicroblog(MicroblogStore &store) : store_(store) {}

    HttpResponse authorize(const HttpRequest &request) const;
    HttpResponse accessToken(const HttpRequest &request) const;
    HttpResponse post(const HttpRequest &request) const;

private:
    MicroblogStore &store_;
};

} // namespace nuvora::devserver
