#include "RegionLocator.h"

#include "Geo.h"

namespace nuvora::devserver {

namespace {

struct CityCentre {
    int sheng;
    int shi;
    double lat;
    double lng;
};

// Indices follow the client's catalogue order.
const CityCentre kCentres[] = {
    {3, 1, 39.9042, 116.4074},   // 北京
    {25, 1, 31.2304, 121.4737},  // 上海
    {28, 1, 39.3434, 117.3616},  // 天津
    {6, 4, 23.1291, 113.2644},   // 广州
    {6, 15, 22.5431, 114.0579},  // 深圳
    {26, 3, 30.5728, 104.0668},  // 成都
    {33, 1, 30.2741, 120.1551},  // 杭州
    {13, 12, 30.5928, 114.3055}, // 武汉
    {16, 4, 32.0603, 118.7969},  // 南京
    {24, 7, 34.3416, 108.9398},  // 西安
    {34, 38, 29.5630, 106.5516}, // 重庆 渝中
    {30, 1, 22.3193, 114.1694},  // 香港
};

constexpr double kReachMetres = 300000;

} // namespace

std::optional<RegionIndex> RegionLocator::locate(double lat, double lng)
{
    const CityCentre *best = nullptr;
    double bestDistance = kReachMetres;
    for (const CityCentre &centre : kCentres) {
        const double d = Geo::distance(lat, lng, centre.lat, centre.lng);
        if (d <= bestDistance) {
            best = &centre;
            bestDistance = d;
        }
    }
    if (!best)
        return std::nullopt;
    return RegionIndex{best->sheng, best->shi};
}

} // namespace nuvora::devserver
