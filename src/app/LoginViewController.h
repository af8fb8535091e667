#pragma once
// The sign-in screen: e-mail and password, the way into the registration and to
// the password-recovery page. A successful sign-in stores the session and goes on
// to the region screen or the hub.

#include "SignInViewController.h"
#include "api/JSONFetcher.h"

#include <QtQml/qqmlregistration.h>

#include <memory>

class LoginViewController : public SignInViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the application delegate")
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
    Q_PROPERTY(QString focusedField READ focusedField NOTIFY focusedFieldChanged)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
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
    // The indicator runs and input is blocked while signing in.
    bool isRunning() const { return fetcher_ != nullptr; }

    Q_INVOKABLE void login();
    Q_INVOKABLE void registerButtonTapped();
    Q_INVOKABLE void getPassword();

    void receivedLoginResponse(JSONFetcher *fetcher);

signals:
    void emailChanged();
    void passwordChanged();
    void focusedFieldChanged();
    void runningChanged();

protected:
    void viewWillAppear(bool animated) override;

private:
    void setFocusedField(const QString &field);

    QString email_;
    QString password_;
    QString focusedField_;
    std::unique_ptr<JSONFetcher> fetcher_;
};
