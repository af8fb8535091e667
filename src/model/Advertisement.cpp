#include "Advertisement.h"

#include "JsonFields.h"

namespace {

namespace json = nuvora::json;

// The id of the club or party an item opens: a whole number, sent as a number or as its
// digits; 0 for anything else ("3.5", "5号"), so that no guessed record opens.
int wholeId(const json::Value &item)
{
    const json::Value &id = item["id"];
    if (id.kind() == json::Value::Kind::Signed || id.kind() == json::Value::Kind::Unsigned)
        return JsonFields::integer(item, "id");
    if (!id.isString())
        return 0;
    bool whole = false;
    const int value = QString::fromStdString(id.asString()).toInt(&whole);
    return whole ? value : 0;
}

std::vector<AdItem> itemsOf(const nuvora::json::Value &guanggao, std::string_view key)
{
    std::vector<AdItem> items;
    JsonFields::forEachObject(guanggao, key, [&items](const nuvora::json::Value &item) {
        items.push_back({JsonFields::text(item, "img"), wholeId(item)});
    });
    return items;
}

} // namespace

Advertisement::Advertisement(const nuvora::json::Value &guanggao)
    : indexImg(JsonFields::text(JsonFields::child(guanggao, "index"), "img")),
      indexURL(JsonFields::text(JsonFields::child(guanggao, "index"), "url")),
      clubs(itemsOf(guanggao, "club")), parties(itemsOf(guanggao, "party"))
{
}
