#pragma once
// Comment threads of the seed, on photos, moods and boards alike: comments a few
// minutes apart with awkward characters, the demo account's voice now and then, and
// replies written as the client writes them ("回复昵称: …", "reply" set).

#include "SeedCases.h"

#include <QString>

namespace nuvora::devserver {

class Database;

class SeedThreads {
public:
    SeedThreads(Database &db, const SeedCases::Base &base) : db_(db), base_(base) {}

    // `count` comments of `kind` on `target` from `start` on; every fourth answers an
    // earlier one.
    void add(const QString &kind, qint64 target, int count, qint64 start);

private:
    QString nickname(qint64 uid);

    Database &db_;
    const SeedCases::Base &base_;
};

} // namespace nuvora::devserver
