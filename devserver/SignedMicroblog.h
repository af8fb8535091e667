#pragma once
// The second microblog service, OAuth 1.0 with HMAC-SHA1: request token,
// authorisation page, access token and posting, each request's signature
// checked against the consumer and token secrets; a nonce is accepted once.

#include "HttpMessage.h"
#include "MicroblogStore.h"
#include "OAuthSignature.h"

#include <QSet>

namespace nuvora::devserver {

class SignedMicroblog {
public:
    explicit SignedMicroblog(MicroblogStore &store) : store_(store) {}

    HttpResponse requestToken(const HttpRequest &request);
    HttpResponse authorize(const HttpRequest &request);
    HttpResponse accessToken(const HttpRequest &request);
    HttpResponse post(const HttpRequest &request);

private:
    // The request's parameters when its signature holds with the secret of its
    // token of `tokenKind` ("" for none); `*token` receives the token's row.
    bool verify(const HttpRequest &request, const QString &tokenKind,
                OAuthSignature::Parameters *parameters, class Row *token);
    static QString value(const OAuthSignature::Parameters &parameters, const QString &name);

    MicroblogStore &store_;
    QSet<QString> nonces_;
};

} // namespace nuvora::devserver
