#include "ClubComment.h"

#include "JsonFields.h"

ClubComment::ClubComment(const nuvora::json::Value &d)
    : BoardComment(d), crid(JsonFields::text(d, "crid"))
{
}
