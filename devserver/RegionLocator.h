#pragma once
// Maps a position to the client's region catalogue indices (province, city)
// by the nearest of a set of known city centres.

#include <optional>

namespace nuvora::devserver {

struct RegionIndex {
    int sheng = 0;
    int shi = 0;
};

class RegionLocator {
public:
    // Nothing when no known city lies within reach of the position.
    static std::optional<RegionIndex> locate(double lat, double lng);
};

} // namespace nuvora::devserver
