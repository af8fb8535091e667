#include "RegionWheels.h"

#include "model/CityList.h"

#include <algorithm>

RegionWheels::RegionWheels(QObject *parent)
    : QObject(parent), cities_(CityList::shiInShengIndex(0).value_or(QStringList()))
{
}

QStringList RegionWheels::provinces() const
{
    return CityList::sheng();
}

QString RegionWheels::cityName() const
{
    return cities_.value(city_);
}

void RegionWheels::show(int sheng, int shi)
{
    province_ = std::clamp(sheng, 0, int(CityList::sheng().size()) - 1);
    cities_ = CityList::shiInShengIndex(province_).value_or(QStringList());
    city_ = std::clamp(shi, 0, std::max(0, int(cities_.size()) - 1));
    emit citiesChanged();
    emit selectionChanged();
}

bool RegionWheels::pick(int row, int component)
{
    if (component == ProvinceComponent) {
        const std::optional<QStringList> list = CityList::shiInShengIndex(row);
        if (!list || row == province_)
            return false;
        province_ = row;
        city_ = 0;
        cities_ = *list;
        emit citiesChanged();
    } else if (component == CityComponent) {
        if (row < 0 || row >= cities_.size() || row == city_)
            return false;
        city_ = row;
    } else {
        return false;
    }
    emit selectionChanged();
    return true;
}
