#include "Picture.h"

#include "JsonFields.h"

using JsonFields::integer;

// The member `text` hides the reader of the same name, hence the qualified calls.
Picture::Picture(const nuvora::json::Value &d)
    : pid(JsonFields::text(d, "pid")), img(JsonFields::imageVariant(d, "img", "!160")),
      img_big(JsonFields::text(d, "img")), text(JsonFields::text(d, "text")),
      time(JsonFields::text(d, "time")), remarkCount(integer(d, "remarkcount")),
      iszan(integer(d, "iszan")), zanCount(integer(d, "zan")), isRemark(integer(d, "isremark"))
{
    if (text.isEmpty())
        text = kNoCaption;
}
