#include "ClubSearchViewController.h"

#include "model/CityList.h"
#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/Router.h"

#include <algorithm>

ClubSearchViewController::ClubSearchViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), wheels_(new RegionWheels(this))
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
    wheels_->show(storedSheng(), storedShi());
    pickerOpened_ = true;
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

void ClubSearchViewController::finishedPicking()
{
    hidePicker();
    // Nothing was picked while the picker never opened.
    if (!pickerOpened_)
        return;
    sheng_ = wheels_->selectedProvinceRow();
    shi_ = wheels_->selectedCityRow();
    setCityLabel(wheels_->cityName());
}

void ClubSearchViewController::search()
{
    context().router().openClubSearchResults(keyword_, sheng_, shi_);
}
