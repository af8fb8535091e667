#pragma once
// Changing the password: the old one, the new one of 6 to 16 characters and its
// repetition, checked in that order; on success the new password is the stored one.

#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

class ChangePasswordViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString oldPassword READ oldPassword WRITE setOldPassword NOTIFY fieldsChanged)
    Q_PROPERTY(QString newPassword READ newPassword WRITE setNewPassword NOTIFY fieldsChanged)
    Q_PROPERTY(
        QString repeatPassword READ repeatPassword WRITE setRepeatPassword NOTIFY fieldsChanged)
    // The old-password field takes the keyboard once the screen has appeared.
    Q_PROPERTY(bool focusOldPassword READ focusOldPassword NOTIFY focusOldPasswordChanged)
public:
    static inline const QString kScript = QStringLiteral("my_password.php");
    static constexpr int kMinLength = 6;
    static constexpr int kMaxLength = 16;

    explicit ChangePasswordViewController(AppContext &context, QObject *parent = nullptr);

    QString oldPassword() const { return oldPassword_; }
    void setOldPassword(const QString &text);
    QString newPassword() const { return newPassword_; }
    void setNewPassword(const QString &text);
    QString repeatPassword() const { return repeatPassword_; }
    void setRepeatPassword(const QString &text);
    bool focusOldPassword() const { return focusOldPassword_; }
    bool busy() const override { return request_->busy(); }

    Q_INVOKABLE void ok();

signals:
    void fieldsChanged();
    void focusOldPasswordChanged();

protected:
    void viewDidAppear(bool animated) override;

private:
    void setField(QString &member, const QString &text);
    // The alert of the first check the fields fail; false when they pass.
    bool refuse();

    RequestSlot *request_;
    QString oldPassword_;
    QString newPassword_;
    QString repeatPassword_;
    bool focusOldPassword_ = false;
};
