#pragma once
// The chat login command ("logintoken"), sent when the connection opens.

#include "api/json/JsonValue.h"

#include <QString>

class SettingsStore;

class LoginRequest {
public:
    // Takes the push device token from the settings.
    explicit LoginRequest(const SettingsStore &settings);

    QString command;
    QString terminal;
    QString version;
    QString deviceToken;
    QString loginToken; // set by the caller

    nuvora::json::Value dictionaryValue() const;
};
