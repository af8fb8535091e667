#pragma once
// Splits chat messages for one receiver into "recvmessage" commands that the
// client takes: at most 100 messages and 256 KiB (with the line end) a line.

#include "JsonText.h"

#include <QList>

namespace nuvora::devserver {

class MessageBatcher {
public:
    static constexpr qsizetype kMaxMessages = 100;
    static constexpr qsizetype kMaxLineBytes = 256 * 1024;

    // The commands in message order; a message too big for a line of its own
    // still goes alone rather than being lost.
    static QList<json::Object> batches(const json::Array &messages);
};

} // namespace nuvora::devserver
