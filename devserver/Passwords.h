#pragma once
// Salted password hashes and fresh random tokens.

#include <QString>

namespace nuvora::devserver {

class Passwords {
public:
    static QString newSalt();
    static QString hash(const QString &salt, const QString &password);
    // 32 hexadecimal digits from the system's random source.
    static QString newToken();
};

} // namespace nuvora::devserver
