#pragma once
// The bodies the request layer sends: the form body with each key and value
// escaped on its own, the session cookie, and the multipart upload body.

#include <QByteArray>
#include <QString>
#include <QVariantMap>

class SettingsStore;

namespace FormEncoder {

// Percent-escapes UTF-8 bytes outside the letters, digits and - _ . ! ~ * ' ( )
// ; / ? : @ $ , with upper-case hexadecimal. "&", "=" and "+" are escaped too, so
// that a form parser reads back exactly the text that was typed.
QByteArray escape(const QString &text);

// key=value pairs joined by "&" in the map's order; empty for an empty map.
QByteArray formBody(const QVariantMap &parameters);

// "token=%@; sheng=%@; shi=%@; lat=%@; lng=%@" from the settings, with the
// defaults for missing values.
QByteArray cookie(const SettingsStore &settings);

// The multipart body for `boundary`; the key "file" holds a map of one field
// name to JPEG bytes, sent as "<fileStem>.jpg". Empty for an empty map.
QByteArray multipartBody(const QVariantMap &parameters, const QByteArray &boundary,
                         const QString &fileStem);

} // namespace FormEncoder
