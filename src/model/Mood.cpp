#include "Mood.h"

#include "JsonFields.h"

Mood::Mood(const nuvora::json::Value &d)
    : content(JsonFields::text(d, "content")), moodid(JsonFields::text(d, "moodid")),
      isremark(JsonFields::integer(d, "isremark")), time(JsonFields::text(d, "time"))
{
}
