#include "RegisterStepThreeViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace {
// The request layer's value for a position never had.
QString positionOrZero(const QString &stored)
{
    return stored.isEmpty() ? QStringLiteral("0") : stored;
}
} // namespace

RegisterStepThreeViewController::RegisterStepThreeViewController(AppContext &context,
                                                                 const QByteArray &imageData,
                                                                 QObject *parent)
    : SignInViewController(context, parent), imageData_(imageData),
      birthdayWheels_(new DateWheels(context.clock().now().date(), this))
{
}

RegisterStepThreeViewController::~RegisterStepThreeViewController() = default;

void RegisterStepThreeViewController::setNickname(const QString &nickname)
{
    if (nickname == nickname_)
        return;
    nickname_ = nickname;
    emit nicknameChanged();
}

QString RegisterStepThreeViewController::maleButtonImage() const
{
    return genderTag_ == kMaleTag ? QStringLiteral("register-boy-button-s.png")
                                  : QStringLiteral("register-boy-button-n.png");
}

QString RegisterStepThreeViewController::femaleButtonImage() const
{
    return genderTag_ != kMaleTag ? QStringLiteral("register-girl-buttong-s.png")
                                  : QStringLiteral("register-girl-buttong-n.png");
}

void RegisterStepThreeViewController::setDatePickerShown(bool shown)
{
    if (shown == datePickerShown_)
        return;
    datePickerShown_ = shown;
    emit datePickerShownChanged();
}

void RegisterStepThreeViewController::selectBirthday()
{
    setDatePickerShown(true);
}

void RegisterStepThreeViewController::fininshedSelectBirthday()
{
    setDatePickerShown(false);
    const QString text = birthdayWheels_->text();
    if (text == birthday_)
        return;
    birthday_ = text;
    emit birthdayChanged();
}

void RegisterStepThreeViewController::selectGender(int tag)
{
    if (tag == genderTag_)
        return;
    genderTag_ = tag;
    gender_ = QString::number(tag);
    emit genderChanged();
}

void RegisterStepThreeViewController::stepThreeFinished()
{
    AlertPresenter &alerts = context().alerts();
    if (nickname_.isEmpty()) {
        alerts.showCommonAlert(QStringLiteral("请输入昵称"), QString());
        return;
    }
    if (birthday_.isEmpty()) {
        alerts.showCommonAlert(QStringLiteral("请输入出生日期"), QString());
        return;
    }
    const SettingsStore &settings = context().settings();
    const QVariantMap parameters{
        {QStringLiteral("email"), settings.string(SettingsKeys::username)},
        {QStringLiteral("password"), settings.string(SettingsKeys::password)},
        {QStringLiteral("lat"), positionOrZero(settings.string(SettingsKeys::latitude))},
        {QStringLiteral("lng"), positionOrZero(settings.string(SettingsKeys::longitude))},
        {QStringLiteral("nickname"), nickname_},
        {QStringLiteral("birthday"), birthday_},
        {QStringLiteral("gender"), gender_},
        {QStringLiteral("file"), QVariantMap{{QStringLiteral("avatar"), imageData_}}}};
    uploadSignIn(kScript, parameters);
}
