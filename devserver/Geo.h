#pragma once
// Great-circle distances between positions in degrees.

namespace nuvora::devserver {

class Geo {
public:
    // Metres along the earth's surface (haversine, mean earth radius).
    static double distance(double lat1, double lng1, double lat2, double lng2);
};

} // namespace nuvora::devserver
