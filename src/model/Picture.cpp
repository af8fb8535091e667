#include "Picture.h"

#include "JsonFields.h"

// The record has a field named `text`, so the reader is always qualified here.
Picture::Picture(const nuvora::json::Value &d)
    : pid(JsonFields::text(d, "pid")), img(JsonFields::imageVariant(d, "img", "!160")),
      img_big(JsonFields::text(d, "img")), text(JsonFields::text(d, "text")),
      time(JsonFields::text(d, "time")), remarkCount(JsonFields::integer(d, "remarkcount")),
      iszan(JsonFields::integer(d, "iszan")), zanCount(JsonFields::integer(d, "zan")),
      isRemark(JsonFields::integer(d, "isremark"))
{
    if (text.isEmpty())
        text = kDefaultCaption;
}

Picture Picture::withAddress(const QString &address)
{
    Picture picture;
    picture.img_big = address;
    picture.text = kDefaultCaption;
    return picture;
}
