#include "BoardComment.h"

#include "JsonFields.h"

using JsonFields::text;

BoardComment::BoardComment(const nuvora::json::Value &d)
    : content(text(d, "content")), time(text(d, "time")), nickname(text(d, "nickname")),
      avatar(JsonFields::imageVariant(d, "avatar", "!100")), uid(JsonFields::integer(d, "uid"))
{
}
