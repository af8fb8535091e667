#pragma once
// The send command ("sendmessage"). Made right after the sent message went into
// the store, so that its local id is the row just inserted.

#include "api/json/JsonValue.h"

#include <QString>

class Database;

class ChatRequest {
public:
    explicit ChatRequest(const Database &database);

    QString command;
    int touid = 0;      // set by the caller
    QString localmsgid; // the store's last inserted row id, or "0"
    QString message;    // set by the caller

    nuvora::json::Value dictionaryValue() const;
};
