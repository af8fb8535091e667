#include "JsonFields.h"

#include <algorithm>
#include <limits>

namespace JsonFields {

int integer(const nuvora::json::Value &object, std::string_view key)
{
    const int64_t value = object[key].toInteger();
    return int(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max()));
}

double real(const nuvora::json::Value &object, std::string_view key)
{
    return object[key].toDouble();
}

QString text(const nuvora::json::Value &object, std::string_view key)
{
    return QString::fromStdString(object[key].toText());
}

} // namespace JsonFields
