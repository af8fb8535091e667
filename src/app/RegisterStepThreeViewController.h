#pragma once
// Registration, last step: nickname, birthday (from a date picker limited to
// today) and gender; sends the whole registration with the avatar and, on
// success, starts the session as the sign-in screen does.

#include "SignInViewController.h"
#include "ui/DateWheels.h"

#include <QByteArray>
#include <QtQml/qqmlregistration.h>

#include <memory>

class RegisterStepThreeViewController : public SignInViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the second registration step")
    Q_PROPERTY(QString nickname READ nickname WRITE setNickname NOTIFY nicknameChanged)
    Q_PROPERTY(QString birthday READ birthday NOTIFY birthdayChanged)
    Q_PROPERTY(QString gender READ gender NOTIFY genderChanged)
    Q_PROPERTY(QString maleButtonImage READ maleButtonImage NOTIFY genderChanged)
    Q_PROPERTY(QString femaleButtonImage READ femaleButtonImage NOTIFY genderChanged)
    Q_PROPERTY(QString focusedField READ focusedField NOTIFY datePickerShownChanged)
    Q_PROPERTY(bool datePickerShown READ isDatePickerShown NOTIFY datePickerShownChanged)
    Q_PROPERTY(DateWheels *birthdayWheels READ birthdayWheels CONSTANT)
    Q_PROPERTY(QString finishButtonTitle READ finishButtonTitle NOTIFY busyChanged)
public:
    static inline const QString kScript = QStringLiteral("account_register.php");
    static inline const QString kFinishTitle = QStringLiteral("完成！");
    static inline const QString kRegisteringTitle = QStringLiteral("注册中，请稍候...");
    static inline const QString kNicknameField = QStringLiteral("nickname");
    static constexpr int kMaleTag = 1;
    static constexpr int kFemaleTag = 2;

    RegisterStepThreeViewController(AppContext &context, const QByteArray &imageData,
                                    QObject *parent = nullptr);
    ~RegisterStepThreeViewController() override;

    const QByteArray &imageData() const { return imageData_; }
    QString nickname() const { return nickname_; }
    void setNickname(const QString &nickname);
    QString birthday() const { return birthday_; }
    QString gender() const { return gender_; }
    QString maleButtonImage() const;
    QString femaleButtonImage() const;
    QString focusedField() const { return datePickerShown_ ? QString() : kNicknameField; }
    bool isDatePickerShown() const { return datePickerShown_; }
    DateWheels *birthdayWheels() const { return birthdayWheels_; }
    QString finishButtonTitle() const { return isRunning() ? kRegisteringTitle : kFinishTitle; }

    Q_INVOKABLE void selectBirthday();
    Q_INVOKABLE void fininshedSelectBirthday();
    Q_INVOKABLE void selectGender(int tag);
    Q_INVOKABLE void stepThreeFinished();

signals:
    void nicknameChanged();
    void birthdayChanged();
    void genderChanged();
    void datePickerShownChanged();

private:
    void setDatePickerShown(bool shown);

    QByteArray imageData_;
    QString nickname_;
    QString birthday_;
    QString gender_ = QStringLiteral("1");
    int genderTag_ = kMaleTag;
    bool datePickerShown_ = false;
    DateWheels *birthdayWheels_;
};
