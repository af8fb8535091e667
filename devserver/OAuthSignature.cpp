#include "OAuthSignature.h"

#include <QMessageAuthenticationCode>
#include <QUrl>
#include <algorithm>

namespace nuvora::devserver {

QString OAuthSignature::encode(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QByteArray OAuthSignature::baseString(const QByteArray &method, const QString &normalizedUrl,
                                      const Parameters &parameters)
{
    Parameters sorted;
    for (const auto &pair : parameters) {
        if (pair.first != QStringLiteral("oauth_signature"))
            sorted.append(pair);
    }
    std::sort(sorted.begin(), sorted.end());
    QStringList rendered;
    for (const auto &[name, value] : sorted)
        rendered << name + QLatin1Char('=') + encode(value);
    return method.toUpper() + '&' + encode(normalizedUrl).toLatin1() + '&'
           + encode(rendered.join(QLatin1Char('&'))).toLatin1();
}

QByteArray OAuthSignature::sign(const QByteArray &baseString, const QString &consumerSecret,
                                const QString &tokenSecret)
{
    const QByteArray key = encode(consumerSecret).toLatin1() + '&' + encode(tokenSecret).toLatin1();
    return QMessageAuthenticationCode::hash(baseString, key, QCryptographicHash::Sha1).toBase64();
}

} // namespace nuvora::devserver
