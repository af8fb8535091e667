#include "ChatRequest.h"

#include "Database.h"
#include "platform/JsonVariant.h"

using JsonVariant::toStdString;

ChatRequest::ChatRequest(const Database &database)
    : command(QStringLiteral("sendmessage")), localmsgid(database.lastInsertRowId())
{
}

nuvora::json::Value ChatRequest::dictionaryValue() const
{
    nuvora::json::Object object;
    object.set("command", toStdString(command));
    object.set("touid", touid);
    object.set("localmsgid", toStdString(localmsgid));
    object.set("message", toStdString(message));
    return object;
}
