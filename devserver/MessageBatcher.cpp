#include "MessageBatcher.h"

namespace nuvora::devserver {

namespace {

json::Object recvmessage(json::Array messages)
{
    json::Object command;
    command.set("command", json::Value("recvmessage"));
    command.set("messages", json::Value(std::move(messages)));
    return command;
}

} // namespace

QList<json::Object> MessageBatcher::batches(const json::Array &messages)
{
    // The writer is compact: a line is the empty command, the messages, a comma
    // between each two of them and "\r\n".
    const qsizetype envelope = encode(json::Value(recvmessage({}))).size() + 2;
    QList<json::Object> out;
    json::Array current;
    qsizetype bytes = envelope;
    for (const json::Value &message : messages) {
        const qsizetype size = encode(message).size();
        const bool full =
            qsizetype(current.size()) == kMaxMessages || bytes + 1 + size > kMaxLineBytes;
        if (!current.empty() && full) {
            out.append(recvmessage(std::move(current)));
            current = json::Array();
            bytes = envelope;
        }
        bytes += (current.empty() ? 0 : 1) + size;
        current.push_back(message);
    }
    if (!current.empty())
        out.append(recvmessage(std::move(current)));
    return out;
}

} // namespace nuvora::devserver
