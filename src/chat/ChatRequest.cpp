#include "ChatRequest.h"

#include "platform/JsonVariant.h"

using JsonVariant::toStdString;

ChatRequest::ChatRequest(qint64 localmsgid)
    : command(QStringLiteral("sendmessage")), localmsgid(QString::number(localmsgid))
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
