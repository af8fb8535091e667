#pragma once
// Glue between Qt strings and the project's JSON codec, so that handlers can
// build replies and read commands without repeating conversions.

#include "api/json/JsonValue.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace nuvora::devserver {

namespace json = nuvora::json;

json::Value text(const QString &value);
json::Value number(qint64 value);
// Numeric text, as the service sends many of its ids and counters.
json::Value numericText(qint64 value);
QString qtext(const json::Value &value);

QByteArray encode(const json::Value &value);
// An object or array decoded from bytes; nothing for anything else.
std::optional<json::Value> decode(const QByteArray &bytes);

} // namespace nuvora::devserver
