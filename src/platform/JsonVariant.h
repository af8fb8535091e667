#pragma once
// Conversions between the codec's JSON values and Qt's variants, for the places
// where decoded replies meet Qt (settings, notifications, QML).

#include "api/json/JsonValue.h"

#include <QString>
#include <QVariant>

#include <memory>

Q_DECLARE_METATYPE(nuvora::json::Value)
Q_DECLARE_METATYPE(std::shared_ptr<const nuvora::json::Value>)

namespace JsonVariant {

// Carries a value through a QVariant as it is, without converting or copying it: a
// decoded chat batch goes to its observers as it was read.
inline QVariant wrap(nuvora::json::Value value)
{
    return QVariant::fromValue(std::make_shared<const nuvora::json::Value>(std::move(value)));
}
// The value a variant made by `wrap` (or holding a value itself) carries; nullptr
// for any other variant.
inline const nuvora::json::Value *wrapped(const QVariant &variant)
{
    using Shared = std::shared_ptr<const nuvora::json::Value>;
    if (variant.metaType() == QMetaType::fromType<Shared>())
        return static_cast<const Shared *>(variant.constData())->get();
    return variant.metaType() == QMetaType::fromType<nuvora::json::Value>()
               ? static_cast<const nuvora::json::Value *>(variant.constData())
               : nullptr;
}

// Objects become QVariantMap, arrays QVariantList, numbers qint64/quint64/double,
// exact decimals double.
QVariant toVariant(const nuvora::json::Value &value);
// The reverse; maps become objects, lists arrays, byte arrays and anything
// convertible to text become strings, invalid variants null, wrapped values
// themselves.
nuvora::json::Value fromVariant(const QVariant &variant);

inline QString toQString(const std::string &text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
inline std::string toStdString(const QString &text)
{
    return text.toStdString();
}

} // namespace JsonVariant
