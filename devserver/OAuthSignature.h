#pragma once
// OAuth 1.0 HMAC-SHA1 signatures: the parameter encoding, the base string
// and the signature the second microblog service checks every request against.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace nuvora::devserver {

class OAuthSignature {
public:
    using Parameters = QList<QPair<QString, QString>>;

    // Percent-encodes everything except letters, digits and "-._~".
    static QString encode(const QString &value);
    // "METHOD&enc(url)&enc(sorted name=enc(value) pairs)"; "oauth_signature" is left out.
    static QByteArray baseString(const QByteArray &method, const QString &normalizedUrl,
                                 const Parameters &parameters);
    // Base64 of HMAC-SHA1 with the key "enc(consumerSecret)&enc(tokenSecret)".
    static QByteArray sign(const QByteArray &baseString, const QString &consumerSecret,
                           const QString &tokenSecret);
};

} // namespace nuvora::devserver
