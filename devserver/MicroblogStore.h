#pragma once
// Tokens and posts of the two stand-in microblog services.

#include <QList>
#include <QString>

namespace nuvora::devserver {

class Database;
class Row;

class MicroblogStore {
public:
    enum Service { CodeGrant = 0, Signed = 1 };

    explicit MicroblogStore(Database &db) : db_(db) {}

    // A fresh token of a kind ("code", "request", "access") with its secret.
    QString issue(Service service, const QString &kind, const QString &secret = QString(),
                  const QString &account = QString(), const QString &callback = QString());
    // The token's row when it exists with that service and kind.
    Row find(Service service, const QString &kind, const QString &token);
    void setVerifier(const QString &token, const QString &verifier);
    void revoke(const QString &token);

    qint64 post(Service service, const QString &account, const QString &text);
    QList<Row> posts();

private:
    Database &db_;
};

} // namespace nuvora::devserver
