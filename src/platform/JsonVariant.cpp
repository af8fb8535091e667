#include "JsonVariant.h"

namespace json = nuvora::json;

namespace JsonVariant {

QVariant toVariant(const json::Value &value)
{
    switch (value.kind()) {
    case json::Value::Kind::Null:
        return {};
    case json::Value::Kind::Boolean:
        return value.asBool();
    case json::Value::Kind::Unsigned:
        return quint64(value.asUnsigned());
    case json::Value::Kind::Signed:
        return qint64(value.asSigned());
    case json::Value::Kind::Decimal:
        return value.asDecimal().toDouble();
    case json::Value::Kind::Double:
        return value.asDouble();
    case json::Value::Kind::String:
        return toQString(value.asString());
    case json::Value::Kind::Array: {
        QVariantList list;
        list.reserve(qsizetype(value.asArray().size()));
        for (const auto &item : value.asArray())
            list.append(toVariant(item));
        return list;
    }
    case json::Value::Kind::Object: {
        QVariantMap map;
        for (const auto &[key, member] : value.asObject())
            map.insert(toQString(key), toVariant(member));
        return map;
    }
    }
    return {};
}

json::Value fromVariant(const QVariant &variant)
{
    if (const json::Value *value = wrapped(variant))
        return *value;
    switch (variant.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        return {};
    case QMetaType::Bool:
        return variant.toBool();
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return int64_t(variant.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
        return uint64_t(variant.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return variant.toDouble();
    case QMetaType::QVariantMap: {
        json::Object object;
        const QVariantMap map = variant.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            object.set(toStdString(it.key()), fromVariant(it.value()));
        return object;
    }
    case QMetaType::QVariantHash: {
        json::Object object;
        const QVariantHash hash = variant.toHash();
        for (auto it = hash.begin(); it != hash.end(); ++it)
            object.set(toStdString(it.key()), fromVariant(it.value()));
        return object;
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        json::Array array;
        for (const auto &item : variant.toList())
            array.push_back(fromVariant(item));
        return array;
    }
    case QMetaType::QByteArray:
        return variant.toByteArray().toStdString();
    default:
        if (variant.canConvert<json::Value>())
            return variant.value<json::Value>();
        return toStdString(variant.toString());
    }
}

} // namespace JsonVariant
