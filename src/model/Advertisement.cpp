#include "Advertisement.h"

#include "JsonFields.h"

namespace {

std::vector<AdItem> itemsOf(const nuvora::json::Value &guanggao, std::string_view key)
{
    std::vector<AdItem> items;
    JsonFields::forEachObject(guanggao, key, [&items](const nuvora::json::Value &item) {
        items.push_back({JsonFields::text(item, "img"), JsonFields::integer(item, "id")});
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
