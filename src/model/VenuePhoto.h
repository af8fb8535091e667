#pragma once
// The photos of a club's or a party's page and of the club album: the server sends an
// id under its own key and an address, shown at the size of the venues' pictures.

#include "Picture.h"

#include <string_view>

namespace VenuePhoto {

// A picture with `pid` from `idKey` ("cpid", "ppid"), `img` the address + "!200" and
// `img_big` the address as sent.
Picture picture(const nuvora::json::Value &element, std::string_view idKey);

} // namespace VenuePhoto
