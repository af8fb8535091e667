#include "Geo.h"

#include <cmath>
#include <numbers>

namespace nuvora::devserver {

double Geo::distance(double lat1, double lng1, double lat2, double lng2)
{
    constexpr double kEarthRadius = 6371000.0;
    constexpr double kRad = std::numbers::pi / 180.0;
    const double dLat = (lat2 - lat1) * kRad;
    const double dLng = (lng2 - lng1) * kRad;
    const double a =
        std::sin(dLat / 2) * std::sin(dLat / 2)
        + std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * std::sin(dLng / 2) * std::sin(dLng / 2);
    return 2 * kEarthRadius * std::atan2(std::sqrt(a), std::sqrt(1 - a));
}

} // namespace nuvora::devserver
