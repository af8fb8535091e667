#include "ChangePasswordViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace {

// Characters as the user sees them: a character outside the basic plane is one.
qsizetype characterCount(const QString &text)
{
    return text.toUcs4().size();
}

} // namespace

ChangePasswordViewController::ChangePasswordViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), request_(new RequestSlot(context, this))
{
    connect(request_, &RequestSlot::busyChanged, this, &ViewController::busyChanged);
}

void ChangePasswordViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    focusOldPassword_ = true;
    emit focusOldPasswordChanged();
}

void ChangePasswordViewController::setField(QString &member, const QString &text)
{
    if (member == text)
        return;
    member = text;
    emit fieldsChanged();
}

void ChangePasswordViewController::setOldPassword(const QString &text)
{
    setField(oldPassword_, text);
}

void ChangePasswordViewController::setNewPassword(const QString &text)
{
    setField(newPassword_, text);
}

void ChangePasswordViewController::setRepeatPassword(const QString &text)
{
    setField(repeatPassword_, text);
}

bool ChangePasswordViewController::refuse()
{
    AlertPresenter &alerts = context().alerts();
    const qsizetype length = characterCount(newPassword_);
    if (oldPassword_.isEmpty())
        alerts.showCommonAlert(QString(), QStringLiteral("请输入原始密码"));
    else if (newPassword_.isEmpty())
        alerts.showCommonAlert(QString(), QStringLiteral("请输入新密码"));
    else if (length < kMinLength || length > kMaxLength)
        alerts.showCommonAlert(QStringLiteral("新密码无效"),
                               QStringLiteral("请输入6至16位的新密码"));
    else if (repeatPassword_.isEmpty())
        alerts.showCommonAlert(QString(), QStringLiteral("请输入新密码确认"));
    else if (newPassword_ != repeatPassword_)
        alerts.showCommonAlert(QString(), QStringLiteral("密码不一致，请重新输入"));
    else
        return false;
    return true;
}

void ChangePasswordViewController::ok()
{
    if (refuse())
        return;
    const QString password = newPassword_;
    request_->post(
        kScript,
        {{QStringLiteral("oldpassword"), oldPassword_}, {QStringLiteral("password"), password}},
        [this, password](const JSONFetcher &reply) {
            SettingsStore &settings = context().settings();
            settings.setString(SettingsKeys::password, password);
            settings.flush();
            context().alerts().showAlert(reply.message(), QString(), AlertPresenter::kOkButton, {},
                                         0, this, [this](int) { back(); });
        });
}
