#pragma once
// Registration, first step: the e-mail address and the password, checked here
// and the address also by the server, then kept in the settings for step three.

#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

class RegisterStepOneViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the sign-in screen")
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
public:
    static inline const QString kScript = QStringLiteral("account_register.php");
    static constexpr int kMinPasswordLength = 6;
    static constexpr int kMaxPasswordLength = 16;

    explicit RegisterStepOneViewController(AppContext &context, QObject *parent = nullptr);
    ~RegisterStepOneViewController() override;

    QString email() const { return email_; }
    void setEmail(const QString &email);
    QString password() const { return password_; }
    void setPassword(const QString &password);
    // The indicator runs and input is blocked while the server checks the address.
    bool isRunning() const { return validateRequest_->busy(); }
    bool busy() const override { return isRunning(); }

    Q_INVOKABLE void stepOneFinished();
    Q_INVOKABLE void gotoLogin();

    void reciveValidateFetcherResponse(const JSONFetcher &reply);

signals:
    void emailChanged();
    void passwordChanged();

private:
    QString email_;
    QString password_;
    RequestSlot *validateRequest_;
};
