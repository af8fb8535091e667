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
// The image address under `key` with the size suffix the client asks the image host
// for ("!100"); empty when the address is, so that nothing is requested.
QString imageVariant(const nuvora::json::Value &object, std::string_view key,
                     std::string_view suffix);
// Whether `key` is present with the value null (a missing key is not).
bool isExplicitNull(const nuvora::json::Value &object, std::string_view key);
// Whether `key` holds an object.
bool isObject(const nuvora::json::Value &object, std::string_view key);
// The value under `key` (null when absent), to read nested objects with the helpers.
const nuvora::json::Value &child(const nuvora::json::Value &object, std::string_view key);
// Calls `visit` with each object element of the array under `key`, in order;
// anything else there is skipped.
template <class Visit>
void forEachObject(const nuvora::json::Value &object, std::string_view key, Visit &&visit)
{
    const nuvora::json::Value &list = object[key];
    if (!list.isArray())
        return;
    for (const nuvora::json::Value &element : list.asArray()) {
        if (element.isObject())
            visit(element);
    }
}

} // namespace JsonFields
