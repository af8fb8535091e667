#include "RegisterStepOneViewController.h"

#include "api/CommonFunctions.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/Router.h"

RegisterStepOneViewController::RegisterStepOneViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), validateRequest_(new RequestSlot(context, this))
{
    connect(validateRequest_, &RequestSlot::busyChanged, this,
            &RegisterStepOneViewController::busyChanged);
}

RegisterStepOneViewController::~RegisterStepOneViewController() = default;

void RegisterStepOneViewController::setEmail(const QString &email)
{
    if (email == email_)
        return;
    email_ = email;
    emit emailChanged();
}

void RegisterStepOneViewController::setPassword(const QString &password)
{
    if (password == password_)
        return;
    password_ = password;
    emit passwordChanged();
}

void RegisterStepOneViewController::stepOneFinished()
{
    AlertPresenter &alerts = context().alerts();
    if (!CommonFunctions::validateEmail(email_)) {
        alerts.showCommonAlert(QStringLiteral("邮箱无效"), QStringLiteral("请输入有效的登录邮箱"));
        return;
    }
    if (password_.size() < kMinPasswordLength || password_.size() > kMaxPasswordLength) {
        alerts.showCommonAlert(QStringLiteral("密码无效"), QStringLiteral("请输入6至16位的密码"));
        return;
    }
    const QVariantMap parameters{{QStringLiteral("email"), email_},
                                 {QStringLiteral("do"), QStringLiteral("email")}};
    validateRequest_->post(kScript, parameters, [this](const JSONFetcher &reply) {
        reciveValidateFetcherResponse(reply);
    });
}

void RegisterStepOneViewController::reciveValidateFetcherResponse(const JSONFetcher &reply)
{
    Q_UNUSED(reply)
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::username, email_);
    settings.setString(SettingsKeys::password, password_);
    settings.flush();
    context().router().openRegistrationAvatarStep();
}

void RegisterStepOneViewController::gotoLogin()
{
    back();
}
