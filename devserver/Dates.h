#pragma once
// Time and birthday arithmetic in the forms the client reads: server times as
// "yyyy-MM-dd HH:mm:ss" local time, ages and star signs from a birthday.

#include <QDate>
#include <QString>

namespace nuvora::devserver {

class Dates {
public:
    static qint64 now();
    static QString format(qint64 secondsSinceEpoch);
    // Whole years since the birthday; 0 for an unreadable one.
    static int age(const QString &birthday);
    // Index into the client's star sign list (0 = 魔羯座 ... 11 = 射手座).
    static int constellation(const QString &birthday);
    static bool isValidBirthday(const QString &birthday);
};

} // namespace nuvora::devserver
