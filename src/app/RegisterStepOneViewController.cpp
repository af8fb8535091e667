#include "RegisterStepOneViewController.h"

#include "RegisterStepTwoViewController.h"
#include "api/CommonFunctions.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/NavigationController.h"
#include "platform/Session.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

RegisterStepOneViewController::RegisterStepOneViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent)
{
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
    if (fetcher_)
        return;
    const QVariantMap parameters{{QStringLiteral("email"), email_},
                                 {QStringLiteral("do"), QStringLiteral("email")}};
    fetcher_ = std::make_unique<JSONFetcher>(
        context(), context().session().apiServerAddress, kScript, parameters, this,
        [this](JSONFetcher *fetcher) { reciveValidateFetcherResponse(fetcher); });
    emit runningChanged();
    fetcher_->start();
}

void RegisterStepOneViewController::reciveValidateFetcherResponse(JSONFetcher *fetcher)
{
    // The fetcher must not be deleted while it is still calling back.
    fetcher_.release()->deleteLater();
    emit runningChanged();
    if (fetcher->status() != 1) {
        context().alerts().showCommonAlert(fetcher->message(), QString());
        return;
    }
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::username, email_);
    settings.setString(SettingsKeys::password, password_);
    settings.flush();
    context().navigation().pushViewController(new RegisterStepTwoViewController(context()), true);
}

void RegisterStepOneViewController::gotoLogin()
{
    back();
}
