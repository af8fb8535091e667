#include "UserInfoEditViewController.h"

#include "model/CityList.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

UserInfoEditViewController::UserInfoEditViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), user_(context.session().defaultUser().value_or(User())),
      avatarPhoto_(new PhotoAttachment(context.alerts(), this)),
      birthdayWheels_(new DateWheels(context.clock().now().date(), this)),
      regionWheels_(new RegionWheels(this)), request_(new RequestSlot(context, this)),
      nickname_(user_.nickname), occupation_(user_.occupation), about_(user_.about),
      height_(QStringLiteral("%1cm").arg(user_.height)),
      weight_(QStringLiteral("%1kg").arg(user_.weight)), birthday_(user_.birthday),
      residence_{user_.addr_sheng_j, user_.addr_shi_j}, homeTown_{user_.addr_sheng_c,
                                                                  user_.addr_shi_c}
{
    avatarPhoto_->setCropping(true);
    connect(avatarPhoto_, &PhotoAttachment::photoChanged, this,
            &UserInfoEditViewController::avatarChanged);
    connect(request_, &RequestSlot::busyChanged, this, &ViewController::busyChanged);
}

QString UserInfoEditViewController::account() const
{
    return context().settings().string(SettingsKeys::username);
}

QString UserInfoEditViewController::avatar() const
{
    return avatarPhoto_->hasPhoto() ? avatarPhoto_->preview().toString() : user_.avatar;
}

QString UserInfoEditViewController::nameOf(const Place &place)
{
    return CityList::shiWithShiIndexShengIndex(place.shi, place.sheng).value_or(QString());
}

QString UserInfoEditViewController::cityName() const
{
    return nameOf(residence_);
}

QString UserInfoEditViewController::homeTownName() const
{
    return nameOf(homeTown_);
}

void UserInfoEditViewController::setPanels(bool datePanel, bool regionPanel)
{
    if (datePanel == datePanelShown_ && regionPanel == regionPanelShown_)
        return;
    datePanelShown_ = datePanel;
    regionPanelShown_ = regionPanel;
    emit panelsChanged();
}

void UserInfoEditViewController::selectBirthday()
{
    birthdayWheels_->showText(birthday_);
    setPanels(true, false);
}

void UserInfoEditViewController::fininshedSelectBirthday()
{
    setPanels(false, false);
    birthday_ = birthdayWheels_->text();
    emit fieldsChanged();
}

void UserInfoEditViewController::selectCityInfo(int tag)
{
    if (tag == ResidenceTag || tag == HomeTownTag) {
        isEditingHomeTown_ = tag == HomeTownTag;
        // The wheels start on the stored place, not on a choice not yet sent.
        if (isEditingHomeTown_)
            regionWheels_->show(user_.addr_sheng_c, user_.addr_shi_c);
        else
            regionWheels_->show(user_.addr_sheng_j, user_.addr_shi_j);
        emit panelsChanged();
    }
    setPanels(false, true);
}

void UserInfoEditViewController::finishedSelectCity()
{
    setPanels(false, false);
    Place &place = isEditingHomeTown_ ? homeTown_ : residence_;
    place = {regionWheels_->selectedProvinceRow(), regionWheels_->selectedCityRow()};
    emit fieldsChanged();
}

void UserInfoEditViewController::cancelPickerView()
{
    setPanels(false, false);
}

void UserInfoEditViewController::changeAvatar()
{
    if (!avatarPhoto_->isBusy())
        avatarPhoto_->ask({});
}

QVariantMap UserInfoEditViewController::parameters() const
{
    const auto number = [](int value) { return QString::number(value); };
    QVariantMap parameters{
        {QStringLiteral("nickname"), nickname_},
        {QStringLiteral("birthday"), birthday_},
        {QStringLiteral("addr_sheng_j"), number(residence_.sheng)},
        {QStringLiteral("addr_shi_j"), number(residence_.shi)},
        {QStringLiteral("shengao"), height_},
        {QStringLiteral("tizhong"), weight_},
        {QStringLiteral("about"), about_},
        {QStringLiteral("zhiye"), occupation_},
        {QStringLiteral("addr_sheng_c"), number(homeTown_.sheng)},
        {QStringLiteral("addr_shi_c"), number(homeTown_.shi)},
    };
    if (avatarPhoto_->hasPhoto())
        parameters.insert(QStringLiteral("file"),
                          QVariantMap{{QStringLiteral("avatar"), avatarPhoto_->data()}});
    return parameters;
}

void UserInfoEditViewController::commit()
{
    // A photo still being prepared would go out without the avatar the user sees.
    if (avatarPhoto_->isBusy())
        return;
    setPanels(false, false);
    request_->upload(kScript, parameters(),
                     [this](const JSONFetcher &reply) { receivedEdit(reply); });
}

void UserInfoEditViewController::receivedEdit(const JSONFetcher &reply)
{
    const nuvora::json::Value &user = reply.reply()["user"];
    if (user.isObject())
        context().session().saveDefaultUser(context().settings(), user);
    context().alerts().showAlert(reply.message(), QString(), AlertPresenter::kOkButton, {}, 0, this,
                                 [this](int) { back(); });
}
