#include "LocationViewController.h"

#include "model/CityList.h"
#include "model/JsonFields.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

LocationViewController::LocationViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), request_(new RequestSlot(context, this))
{
    connect(request_, &RequestSlot::busyChanged, this, &LocationViewController::runningChanged);
}

LocationViewController::~LocationViewController() = default;

void LocationViewController::setDelegate(QObject *owner, Router::RegionChosen locateDidFinished)
{
    delegateOwner_ = owner;
    locateDidFinished_ = std::move(locateDidFinished);
}

QStringList LocationViewController::provinces() const
{
    return CityList::sheng();
}

void LocationViewController::viewDidLoad()
{
    cities_ = CityList::shiInShengIndex(0).value_or(QStringList());
    emit citiesChanged();
    const SettingsStore &settings = context().settings();
    const QVariantMap parameters{{QStringLiteral("lat"), settings.string(SettingsKeys::latitude)},
                                 {QStringLiteral("lng"), settings.string(SettingsKeys::longitude)}};
    const auto answer = [this](const JSONFetcher &reply) { receivedLocationResponse(reply); };
    request_->post(kScript, parameters, answer, answer);
}

void LocationViewController::receivedLocationResponse(const JSONFetcher &reply)
{
    autoLocatedSuccess_ = reply.status() == 1 && reply.result();
    if (autoLocatedSuccess_) {
        sheng_ = JsonFields::integer(reply.reply(), "sheng_id");
        shi_ = JsonFields::integer(reply.reply(), "shi_id");
        if (sheng_ == 0 && shi_ == 0) {
            setInfoText(kCannotLocate);
        } else {
            setInfoText(CityList::shiWithShiIndexShengIndex(shi_, sheng_).value_or(QString()));
            showInPicker(sheng_, shi_);
        }
    } else {
        setInfoText(kCannotLocate);
    }
}

void LocationViewController::manualToSelectCity()
{
    if (pickerShown_)
        return;
    pickerShown_ = true;
    emit pickerShownChanged();
}

void LocationViewController::showInPicker(int sheng, int shi)
{
    const std::optional<QStringList> list = CityList::shiInShengIndex(sheng);
    if (!list || shi < 0 || shi >= list->size())
        return;
    cities_ = *list;
    selectedRows_[ProvinceComponent] = sheng;
    selectedRows_[CityComponent] = shi;
    emit citiesChanged();
    emit selectionChanged();
}

void LocationViewController::pickerViewDidSelectRow(int row, int component)
{
    if (component == ProvinceComponent) {
        const std::optional<QStringList> list = CityList::shiInShengIndex(row);
        if (!list)
            return;
        if (row != 0)
            manualLocated_ = true;
        selectedRows_[ProvinceComponent] = row;
        selectedRows_[CityComponent] = 0;
        cities_ = *list;
        emit citiesChanged();
    } else if (component == CityComponent) {
        if (row < 0 || row >= cities_.size() || row == selectedCityRow())
            return;
        // The wheels may start on the city found; turning the city wheel of that province
        // is a choice of the user's as much as turning the province wheel.
        if (selectedProvinceRow() != 0)
            manualLocated_ = true;
        selectedRows_[CityComponent] = row;
        setInfoText(
            CityList::shiWithShiIndexShengIndex(row, selectedProvinceRow()).value_or(QString()));
    } else {
        return;
    }
    emit selectionChanged();
}

void LocationViewController::confirmLocation()
{
    const int sheng = manualLocated_ ? selectedProvinceRow() : autoLocatedSuccess_ ? sheng_ : 0;
    const int shi = manualLocated_ ? selectedCityRow() : autoLocatedSuccess_ ? shi_ : 0;
    // An empty name would leave the sign-in waiting with nothing said.
    if (sheng == 0 || shi == 0) {
        context().alerts().showCommonAlert(sheng == 0 ? kChooseProvince : kChooseCity, QString());
        return;
    }
    sheng_ = sheng;
    shi_ = shi;
    const QString cityName = CityList::shiWithShiIndexShengIndex(shi_, sheng_).value_or(QString());
    SettingsStore &settings = context().settings();
    if (settings.integer(SettingsKeys::sheng) != sheng_
        || settings.integer(SettingsKeys::shi) != shi_)
        context().notifications().post(NotificationNames::citySwitched);
    settings.setString(SettingsKeys::sheng, QString::number(sheng_));
    settings.setString(SettingsKeys::shi, QString::number(shi_));
    settings.flush();
    tellDelegate(cityName);
}

void LocationViewController::cancel()
{
    tellDelegate(std::nullopt);
}

void LocationViewController::tellDelegate(const std::optional<QString> &cityName)
{
    if (locateDidFinished_ && delegateOwner_)
        locateDidFinished_(cityName);
}

void LocationViewController::setInfoText(const QString &text)
{
    if (text == infoText_)
        return;
    infoText_ = text;
    emit infoTextChanged();
}
