#include "Comment.h"

#include "JsonFields.h"

using JsonFields::text;

Comment::Comment(const nuvora::json::Value &d, std::string_view idKey)
    : id(text(d, idKey)), content(text(d, "content")), time(text(d, "time")),
      nickname(text(d, "nickname")), avatar(JsonFields::imageVariant(d, "avatar", "!100")),
      uid(JsonFields::integer(d, "uid"))
{
}
