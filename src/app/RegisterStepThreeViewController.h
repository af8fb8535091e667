#pragma once
// Registration, last step: nickname, birthday (from a date picker limited to
// today) and gender; sends the whole registration with the avatar and, on
// success, starts the session as the sign-in screen does.

#include "SignInViewController.h"

#include <QByteArray>
#include <QDate>
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
    Q_PROPERTY(int datePickerY READ datePickerY NOTIFY datePickerShownChanged)
    Q_PROPERTY(int datePickerWidth READ datePickerWidth CONSTANT)
    Q_PROPERTY(int datePickerHeight READ datePickerHeight CONSTANT)
    Q_PROPERTY(int pickerYear READ pickerYear NOTIFY pickerDateChanged)
    Q_PROPERTY(int pickerMonth READ pickerMonth NOTIFY pickerDateChanged)
    Q_PROPERTY(int pickerDay READ pickerDay NOTIFY pickerDateChanged)
    Q_PROPERTY(int daysInPickerMonth READ daysInPickerMonth NOTIFY pickerDateChanged)
    Q_PROPERTY(int minimumYear READ minimumYear CONSTANT)
    Q_PROPERTY(int maximumYear READ maximumYear CONSTANT)
    Q_PROPERTY(QString finishButtonTitle READ finishButtonTitle NOTIFY busyChanged)
public:
    static inline const QString kScript = QStringLiteral("account_register.php");
    static inline const QString kFinishTitle = QStringLiteral("完成！");
    static inline const QString kRegisteringTitle = QStringLiteral("注册中，请稍候...");
    static inline const QString kNicknameField = QStringLiteral("nickname");
    static inline const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
    static constexpr int kMaleTag = 1;
    static constexpr int kFemaleTag = 2;
    // The date panel: below the visible area until shown, then slid up by its height.
    static constexpr int kContentHeight = 460;
    static constexpr int kDatePickerWidth = 320;
    static constexpr int kDatePickerHeight = 260;
    static constexpr int kMinimumYear = 1900;

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
    int datePickerY() const
    {
        return datePickerShown_ ? kContentHeight - kDatePickerHeight : kContentHeight;
    }
    int datePickerWidth() const { return kDatePickerWidth; }
    int datePickerHeight() const { return kDatePickerHeight; }
    QDate pickerDate() const { return pickerDate_; }
    int pickerYear() const { return pickerDate_.year(); }
    int pickerMonth() const { return pickerDate_.month(); }
    int pickerDay() const { return pickerDate_.day(); }
    int daysInPickerMonth() const { return pickerDate_.daysInMonth(); }
    int minimumYear() const { return kMinimumYear; }
    int maximumYear() const { return maximumDate_.year(); }
    QDate maximumDate() const { return maximumDate_; }
    QString finishButtonTitle() const { return isRunning() ? kRegisteringTitle : kFinishTitle; }

    // The picker's wheels; the day follows the month's length and no date lies
    // after today.
    Q_INVOKABLE void setPickerDate(int year, int month, int day);
    Q_INVOKABLE void selectBirthday();
    Q_INVOKABLE void fininshedSelectBirthday();
    Q_INVOKABLE void selectGender(int tag);
    Q_INVOKABLE void stepThreeFinished();

signals:
    void nicknameChanged();
    void birthdayChanged();
    void genderChanged();
    void datePickerShownChanged();
    void pickerDateChanged();

private:
    void setDatePickerShown(bool shown);

    QByteArray imageData_;
    QString nickname_;
    QString birthday_;
    QString gender_ = QStringLiteral("1");
    int genderTag_ = kMaleTag;
    bool datePickerShown_ = false;
    QDate maximumDate_;
    QDate pickerDate_;
};
