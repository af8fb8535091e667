#pragma once
// The stand-in server's own storage layout, created on first open.

#include <QString>

namespace nuvora::devserver {

class Database;

class Schema {
public:
    static bool create(Database &db);
};

} // namespace nuvora::devserver
