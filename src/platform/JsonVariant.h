#pragma once
// Conversions between the codec's JSON values and Qt's variants, for the places
// where decoded replies meet Qt (settings, notifications, QML).

#include "api/json/JsonValue.h"

#include <QString>
#include <QVariant>

namespace JsonVariant {

// Objects become QVariantMap, arrays QVariantList, numbers qint64/quint64/double,
// exact decimals double.
QVariant toVariant(const nuvora::json::Value &value);
// The reverse; maps become objects, lists arrays, byte arrays and anything
// convertible to text become strings, invalid variants null.
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
