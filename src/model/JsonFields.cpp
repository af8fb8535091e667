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

QString imageVariant(const nuvora::json::Value &object, std::string_view key,
                     std::string_view suffix)
{
    const QString address = text(object, key);
    return address.isEmpty() ? address
                             : address + QLatin1String(suffix.data(), qsizetype(suffix.size()));
}

bool isExplicitNull(const nuvora::json::Value &object, std::string_view key)
{
    const nuvora::json::Value *value = object.find(key);
    return value && value->isNull();
}

bool isObject(const nuvora::json::Value &object, std::string_view key)
{
    return object[key].isObject();
}

const nuvora::json::Value &child(const nuvora::json::Value &object, std::string_view key)
{
    return object[key];
}

} // namespace JsonFields
