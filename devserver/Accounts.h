#pragma once
// Creating users and sessions, shared by registration and the seed.

#include <QString>
#include <optional>

namespace nuvora::devserver {

class Database;

struct NewUser {
    QString email;
    QString password;
    QString nickname;
    int gender = 1;
    QString birthday;
    QString avatar; // image key
    std::optional<double> lat;
    std::optional<double> lng;
    int sheng = 0;
    int shi = 0;
};

class Accounts {
public:
    // The new user's id; 0 when the e-mail address is taken.
    static qint64 create(Database &db, const NewUser &user);
    static QString openSession(Database &db, qint64 uid);
    // The address test the client applies too (unanchored, case-insensitive).
    static bool isValidEmail(const QString &email);
    static bool isValidPassword(const QString &password);
    // The user's id when the e-mail and password match, else 0.
    static qint64 authenticate(Database &db, const QString &email, const QString &password);
    static bool setPassword(Database &db, qint64 uid, const QString &password);
};

} // namespace nuvora::devserver
