#pragma once
// The captured replies under tests/data/, as bytes or decoded, for the loopback API's
// scripts and for tests that build records from them.

#include "api/json/JsonValue.h"

#include <QByteArray>
#include <QString>

namespace Fixtures {

// The file's bytes; a missing fixture stops the test program.
QByteArray bytes(const QString &name);
// The file decoded as JSON; a null value when it is none.
nuvora::json::Value json(const QString &name);

} // namespace Fixtures
