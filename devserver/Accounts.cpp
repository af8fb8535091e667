#include "Accounts.h"

#include "Database.h"
#include "Dates.h"
#include "Passwords.h"

#include <QRegularExpression>

namespace nuvora::devserver {

qint64 Accounts::create(Database &db, const NewUser &user)
{
    const QString email = user.email.trimmed().toLower();
    if (db.integer(QStringLiteral("SELECT COUNT(*) FROM users WHERE email = ?"), {email}))
        return 0;
    const QString salt = Passwords::newSalt();
    const bool placed = user.lat && user.lng && (*user.lat != 0 || *user.lng != 0);
    return db.insert(
        QStringLiteral("INSERT INTO users (email, salt, passhash, nickname, gender, birthday, "
                       "avatar, xingzuo, lat, lng, addr_sheng_j, addr_shi_j, addr_sheng_c, "
                       "addr_shi_c, created) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {email, salt, Passwords::hash(salt, user.password), user.nickname, user.gender,
         user.birthday, user.avatar, Dates::constellation(user.birthday),
         placed ? QVariant(*user.lat) : QVariant(), placed ? QVariant(*user.lng) : QVariant(),
         user.sheng, user.shi, user.sheng, user.shi, Dates::now()});
}

QString Accounts::openSession(Database &db, qint64 uid)
{
    const QString token = Passwords::newToken();
    db.exec(QStringLiteral("INSERT INTO sessions (token, uid, created) VALUES (?, ?, ?)"),
            {token, uid, Dates::now()});
    return token;
}

bool Accounts::isValidEmail(const QString &email)
{
    static const QRegularExpression pattern(
        QStringLiteral("\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*"),
        QRegularExpression::CaseInsensitiveOption);
    return email.size() <= 100 && pattern.match(email).hasMatch();
}

bool Accounts::isValidPassword(const QString &password)
{
    return password.size() >= 6 && password.size() <= 16;
}

qint64 Accounts::authenticate(Database &db, const QString &email, const QString &password)
{
    const Row row = db.row(QStringLiteral("SELECT uid, salt, passhash FROM users WHERE email = ?"),
                           {email.trimmed().toLower()});
    if (!row.isValid()
        || Passwords::hash(row.text(QStringLiteral("salt")), password)
               != row.text(QStringLiteral("passhash")))
        return 0;
    return row.integer(QStringLiteral("uid"));
}

bool Accounts::setPassword(Database &db, qint64 uid, const QString &password)
{
    const QString salt = Passwords::newSalt();
    return db.exec(QStringLiteral("UPDATE users SET salt = ?, passhash = ? WHERE uid = ?"),
                   {salt, Passwords::hash(salt, password), uid});
}

} // namespace nuvora::devserver
