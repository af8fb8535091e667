#include "LocationViewController.h"

#include "model/CityList.h"
#include "model/JsonFields.h"
#include "model/Session.h"
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
        if (sheng_ == 0 && shi_ == 0)
            setInfoText(kCannotLocate);
        else
            setInfoText(CityList::shiWithShiIndexShengIndex(shi_, sheng_).value_or(QString()));
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
        if (row < 0 || row >= cities_.size())
            return;
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
    if (!autoLocatedSuccess_ && !manualLocated_)
        return;
    if (manualLocated_) {
        sheng_ = selectedProvinceRow();
        shi_ = selectedCityRow();
    }
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
