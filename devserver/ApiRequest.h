#pragma once
// One call of an API script: its parameters and files, the cookie's session,
// position and region, and typed, validated access to the parameters.

#include "FormData.h"

#include <QString>
#include <optional>

namespace nuvora::devserver {

class ApiRequest {
public:
    QString script;
    FormData form;
    QString token;
    qint64 uid = 0; // 0 when no live session came with the call
    int sheng = 0;
    int shi = 0;
    double lat = 0;
    double lng = 0;
    QString baseUrl; // "http://127.0.0.1:PORT", for image addresses

    // Reads the cookie "token=..; sheng=..; shi=..; lat=..; lng=..".
    void applyCookie(const QByteArray &cookie);
    bool hasPosition() const { return lat != 0 || lng != 0; }

    bool has(const QString &name) const { return form.fields.contains(name); }
    QString text(const QString &name) const { return form.fields.value(name); }
    // A decimal integer parameter; nothing when absent or malformed.
    std::optional<qint64> integer(const QString &name) const;
    std::optional<double> real(const QString &name) const;
    // "page" from 1; a missing page is page 1, a malformed one nothing.
    std::optional<int> page() const;
    // A "feedid" cursor: "0" or absent is the newest; nothing when malformed.
    std::optional<qint64> feedCursor() const;
};

} // namespace nuvora::devserver
