#include "JsonText.h"

#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"

namespace nuvora::devserver {

json::Value text(const QString &value)
{
    return json::Value(value.toStdString());
}

json::Value number(qint64 value)
{
    return json::Value(static_cast<int64_t>(value));
}

json::Value numericText(qint64 value)
{
    return json::Value(std::to_string(value));
}

QString qtext(const json::Value &value)
{
    return QString::fromStdString(value.toText());
}

QByteArray encode(const json::Value &value)
{
    json::JsonWriter writer;
    const auto bytes = writer.dataWithObject(value);
    return bytes ? QByteArray::fromStdString(*bytes) : QByteArray("{}");
}

std::optional<json::Value> decode(const QByteArray &bytes)
{
    json::JsonReader reader;
    return reader.objectWithData(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace nuvora::devserver
