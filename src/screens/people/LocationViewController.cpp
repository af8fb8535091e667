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
    : ViewController(context, parent), wheels_(new RegionWheels(this)),
      request_(new RequestSlot(context, this))
{
    connect(request_, &RequestSlot::busyChanged, this, &LocationViewController::runningChanged);
}

LocationViewController::~LocationViewController() = default;

void LocationViewController::setDelegate(QObject *owner, Router::RegionChosen locateDidFinished)
{
    delegateOwner_ = owner;
    locateDidFinished_ = std::move(locateDidFinished);
}

void LocationViewController::viewDidLoad()
{
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
            wheels_->show(sheng_, shi_);
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

void LocationViewController::pickerViewDidSelectRow(int row, int component)
{
    if (!wheels_->pick(row, component))
        return;
    // The wheels may start on the city found; turning either wheel away from "no
    // province" is a choice of the user's.
    if (wheels_->selectedProvinceRow() != 0)
        manualLocated_ = true;
    if (component == RegionWheels::CityComponent)
        setInfoText(wheels_->cityName());
}

void LocationViewController::confirmLocation()
{
    const int sheng = manualLocated_        ? wheels_->selectedProvinceRow()
                      : autoLocatedSuccess_ ? sheng_
                                            : 0;
    const int shi = manualLocated_ ? wheels_->selectedCityRow() : autoLocatedSuccess_ ? shi_ : 0;
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
