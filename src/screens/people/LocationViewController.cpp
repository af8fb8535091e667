#include "LocationViewController.h"

#include "LocationViewControllerDelegate.h"
#include "model/CityList.h"
#include "model/JsonFields.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Session.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

LocationViewController::LocationViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent)
{
}

LocationViewController::~LocationViewController() = default;

void LocationViewController::setDelegate(LocationViewControllerDelegate *delegate, QObject *owner)
{
    delegate_ = delegate;
    delegateOwner_ = owner;
}

QStringList LocationViewController::provinces() const
{
    return CityList::sheng();
}

void LocationViewController::viewDidLoad()
{
    cities_ = CityList::shiInShengIndex(0).value_or(QStringList());
    emit citiesChanged();
    setRunning(true);
    const SettingsStore &settings = context().settings();
    const QVariantMap parameters{{QStringLiteral("lat"), settings.string(SettingsKeys::latitude)},
                                 {QStringLiteral("lng"), settings.string(SettingsKeys::longitude)}};
    fetcher_ = std::make_unique<JSONFetcher>(
        context(), context().session().apiServerAddress, kScript, parameters, this,
        [this](JSONFetcher *fetcher) { receivedLocationResponse(fetcher); });
    fetcher_->start();
}

void LocationViewController::receivedLocationResponse(JSONFetcher *fetcher)
{
    autoLocatedSuccess_ = fetcher->status() == 1 && fetcher->result();
    if (autoLocatedSuccess_) {
        sheng_ = JsonFields::integer(*fetcher->result(), "sheng_id");
        shi_ = JsonFields::integer(*fetcher->result(), "shi_id");
        if (sheng_ == 0 && shi_ == 0)
            setInfoText(kCannotLocate);
        else
            setInfoText(CityList::shiWithShiIndexShengIndex(shi_, sheng_).value_or(QString()));
    } else {
        setInfoText(kCannotLocate);
    }
    setRunning(false);
    // The fetcher must not be deleted while it is still calling back.
    fetcher_.release()->deleteLater();
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
    if (delegate_ && delegateOwner_)
        delegate_->locateDidFinished(cityName);
}

void LocationViewController::setInfoText(const QString &text)
{
    if (text == infoText_)
        return;
    infoText_ = text;
    emit infoTextChanged();
}

void LocationViewController::setRunning(bool running)
{
    if (running == running_)
        return;
    running_ = running;
    emit runningChanged();
}
