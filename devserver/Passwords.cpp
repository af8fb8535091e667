#include "Passwords.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

namespace nuvora::devserver {

namespace {

QString randomHex(int words)
{
    QString out;
    for (int i = 0; i < words; ++i)
        out += QStringLiteral("%1").arg(QRandomGenerator::system()->generate(), 8, 16,
                                        QLatin1Char('0'));
    return out;
}

} // namespace

QString Passwords::newSalt()
{
    return randomHex(2);
}

QString Passwords::hash(const QString &salt, const QString &password)
{
    return QString::fromLatin1(
        QCryptographicHash::hash((salt + password).toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString Passwords::newToken()
{
    return randomHex(4);
}

} // namespace nuvora::devserver
