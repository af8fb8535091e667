#include "Advertisement.h"

#include "JsonFields.h"

namespace {

std::vector<AdItem> itemsOf(const nuvora::json::Value &list)
{
    std::vector<AdItem> items;
    for (const nuvora::json::Value &item : list.asArray()) {
        if (item.isObject())
            items.push_back({JsonFields::text(item, "img"), JsonFields::integer(item, "id")});
    }
    return items;
}

} // namespace

Advertisement::Advertisement(const nuvora::json::Value &guanggao)
    : indexImg(JsonFields::text(guanggao["index"], "img")),
      indexURL(JsonFields::text(guanggao["index"], "url")), clubs(itemsOf(guanggao["club"])),
      parties(itemsOf(guanggao["party"]))
{
}
