#pragma once
// What an API script answers before the envelope is completed: the status,
// the user-facing message and the payload keys.

#include "JsonText.h"

#include <QString>

namespace nuvora::devserver {

class ApiResult {
public:
    static ApiResult success(const QString &message = QString());
    static ApiResult failure(const QString &message);
    // The common answers to bad input.
    static ApiResult badParameter(const QString &name);
    static ApiResult notSignedIn();
    static ApiResult notFound(const QString &what);

    ApiResult &set(const std::string &key, json::Value value);

    int status = 1;
    QString message;
    json::Object payload;
};

} // namespace nuvora::devserver
