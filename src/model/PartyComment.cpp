#include "PartyComment.h"

#include "JsonFields.h"

PartyComment::PartyComment(const nuvora::json::Value &d)
    : BoardComment(d), prid(JsonFields::text(d, "prid"))
{
}
