#include "MicroblogStore.h"

#include "Database.h"
#include "Dates.h"
#include "Passwords.h"

namespace nuvora::devserver {

QString MicroblogStore::issue(Service service, const QString &kind, const QString &secret,
                              const QString &account, const QString &callback)
{
    const QString token = Passwords::newToken();
    db_.exec(QStringLiteral("INSERT INTO microblog_tokens (token, service, kind, secret, account, "
                            "callback, created) VALUES (?, ?, ?, ?, ?, ?, ?)"),
             {token, static_cast<int>(service), kind, secret, account, callback, Dates::now()});
    return token;
}

Row MicroblogStore::find(Service service, const QString &kind, const QString &token)
{
    return db_.row(QStringLiteral("SELECT * FROM microblog_tokens WHERE token = ? AND service = ? "
                                  "AND kind = ?"),
                   {token, static_cast<int>(service), kind});
}

void MicroblogStore::setVerifier(const QString &token, const QString &verifier)
{
    db_.exec(QStringLiteral("UPDATE microblog_tokens SET verifier = ? WHERE token = ?"),
             {verifier, token});
}

void MicroblogStore::revoke(const QString &token)
{
    db_.exec(QStringLiteral("DELETE FROM microblog_tokens WHERE token = ?"), {token});
}

qint64 MicroblogStore::post(Service service, const QString &account, const QString &text)
{
    return db_.insert(QStringLiteral("INSERT INTO microblog_posts (service, account, text, time) "
                                     "VALUES (?, ?, ?, ?)"),
                      {static_cast<int>(service), account, text, Dates::now()});
}

QList<Row> MicroblogStore::posts()
{
    return db_.rows(QStringLiteral("SELECT * FROM microblog_posts ORDER BY id"));
}

} // namespace nuvora::devserver
