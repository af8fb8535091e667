#include "VenuePhoto.h"

#include "JsonFields.h"

namespace VenuePhoto {

Picture picture(const nuvora::json::Value &element, std::string_view idKey)
{
    Picture photo;
    photo.pid = JsonFields::text(element, idKey);
    photo.img = JsonFields::imageVariant(element, "img", "!200");
    photo.img_big = JsonFields::text(element, "img");
    return photo;
}

} // namespace VenuePhoto
