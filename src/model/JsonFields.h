#pragma once
// Field readers shared by the records: every record is built from one decoded JSON
// object, where a missing key gives 0 or an empty text and building never fails.

#include "api/json/JsonValue.h"

#include <QString>
#include <string_view>

namespace JsonFields {

// The integer value of a number or of numeric text, saturated to 32 bits; 0 otherwise.
int integer(const nuvora::json::Value &object, std::string_view key);
// The real value of a number or of numeric text; 0 otherwise.
double real(const nuvora::json::Value &object, std::string_view key);
// The text of a string (or a number's decimal text); empty when absent or null.
QString text(const nuvora::json::Value &object, std::string_view key);

} // namespace JsonFields
