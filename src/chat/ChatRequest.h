#pragma once
// The send command ("sendmessage") of one message stored on this device, carrying
// the local id its insert gave it.

#include "api/json/JsonValue.h"

#include <QString>

class ChatRequest {
public:
    explicit ChatRequest(qint64 localmsgid);

    QString command;
    int touid = 0;      // set by the caller
    QString localmsgid; // decimal text
    QString message;    // set by the caller

    nuvora::json::Value dictionaryValue() const;
};
