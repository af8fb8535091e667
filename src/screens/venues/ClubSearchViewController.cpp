#include "ClubSearchViewController.h"

#include "model/CityList.h"
#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/Router.h"

#include <algorithm>

ClubSearchViewController::ClubSearchViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent)
{
}

void ClubSearchViewController::viewDidLoad()
{
    // The stored region only labels the form; the search goes anywhere until one is picked.
    setCityLabel(
        CityList::shiWithShiIndexShengIndex(storedShi(), storedSheng()).value_or(QString()));
}

int ClubSearchViewController::storedSheng() const
{
    return int(context().settings().integer(SettingsKeys::sheng));
}

int ClubSearchViewController::storedShi() const
{
    return int(context().settings().integer(SettingsKeys::shi));
}

void ClubSearchViewController::setKeyword(const QString &keyword)
{
    if (keyword == keyword_)
        return;
    keyword_ = keyword;
    emit keywordChanged();
}

void ClubSearchViewController::setCityLabel(const QString &label)
{
    if (label == cityLabel_)
        return;
    cityLabel_ = label;
    emit cityLabelChanged();
}

void ClubSearchViewController::pickValue()
{
    const QStringList &provinces = CityList::sheng();
    const int province = std::clamp(storedSheng(), 0, int(provinces.size()) - 1);
    const QStringList cities = CityList::shiInShengIndex(province).value_or(QStringList());
    pickerDataSource_[ProvinceComponent] = provinces;
    pickerDataSource_[CityComponent] = cities;
    selectedRows_[ProvinceComponent] = province;
    selectedRows_[CityComponent] = std::clamp(storedShi(), 0, std::max(0, int(cities.size()) - 1));
    emit pickerDataChanged();
    emit selectionChanged();
    showPicker();
}

void ClubSearchViewController::showPicker()
{
    if (pickerShown_)
        return;
    pickerShown_ = true;
    emit pickerShownChanged();
}

void ClubSearchViewController::hidePicker()
{
    if (!pickerShown_)
        return;
    pickerShown_ = false;
    emit pickerShownChanged();
}

void ClubSearchViewController::pickerViewDidSelectRow(int row, int component)
{
    if (component == ProvinceComponent) {
        const std::optional<QStringList> cities = CityList::shiInShengIndex(row);
        if (!cities || row == selectedRows_[ProvinceComponent])
            return;
        selectedRows_[ProvinceComponent] = row;
        selectedRows_[CityComponent] = 0;
        pickerDataSource_[CityComponent] = *cities;
        emit pickerDataChanged();
        emit selectionChanged();
    } else if (component == CityComponent) {
        if (row < 0 || row >= cities().size() || row == selectedRows_[CityComponent])
            return;
        selectedRows_[CityComponent] = row;
        emit selectionChanged();
    }
}

void ClubSearchViewController::finishedPicking()
{
    hidePicker();
    // Nothing was picked while the picker never opened.
    if (provinces().isEmpty())
        return;
    sheng_ = selectedProvinceRow();
    shi_ = selectedCityRow();
    setCityLabel(cities().value(shi_));
}

void ClubSearchViewController::search()
{
    context().router().openClubSearchResults(keyword_, sheng_, shi_);
}
