#pragma once
// The sign-in screen: e-mail and password, the way into the registration and to
// the password-recovery page. A successful sign-in stores the session and goes on
// to the region screen or the hub.

#include "SignInViewController.h"

#include <QtQml/qqmlregistration.h>

class LoginViewController : public SignInViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(QString focusedField READ focusedField NOTIFY focusedFieldChanged)
public:
    static inline const QString kScript = QStringLiteral("account_login.php");
    static inline const QString kPasswordPage = QStringLiteral("/m/getpassword.php");
    static inline const QString kJokeButton = QStringLiteral("原来是这么回事");
    static const QString kMissingEmailJoke;
    static const QString kMissingPasswordJoke;
    static inline const QString kEmailField = QStringLiteral("email");
    static inline const QString kPasswordField = QStringLiteral("password");

    explicit LoginViewController(AppContext &context, QObject *parent = nullptr);
    ~LoginViewController() override;

    QString email() const { return email_; }
    void setEmail(const QString &email);
    QString password() const { return password_; }
    void setPassword(const QString &password);
    QString focusedField() const { return focusedField_; }

    Q_INVOKABLE void login();
    Q_INVOKABLE void registerButtonTapped();
    Q_INVOKABLE void getPassword();

signals:
    void emailChanged();
    void passwordChanged();
    void focusedFieldChanged();

protected:
    void viewWillAppear(bool animated) override;

private:
    void setFocusedField(const QString &field);

    QString email_;
    QString password_;
    QString focusedField_;
};
