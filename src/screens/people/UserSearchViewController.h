#pragma once
// The user search form: a name, and sex, age band and region chosen on a wheel in a
// panel that slides up from the bottom, plus the sort order; searching opens the
// results with the form's parameters. Untouched choices mean "no limit".

#include "platform/ViewController.h"

#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class UserSearchViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString nickname READ nickname WRITE setNickname NOTIFY nicknameChanged)
    Q_PROPERTY(QString genderText READ genderText NOTIFY choicesChanged)
    Q_PROPERTY(QString ageText READ ageText NOTIFY choicesChanged)
    Q_PROPERTY(QString cityText READ cityText NOTIFY choicesChanged)
    Q_PROPERTY(QString sort READ sort NOTIFY sortChanged)
    Q_PROPERTY(QString sortImage READ sortImage NOTIFY sortChanged)
    Q_PROPERTY(int selectedRow READ selectedRow NOTIFY pickerChanged)
    Q_PROPERTY(QStringList firstColumn READ firstColumn NOTIFY pickerChanged)
    Q_PROPERTY(QStringList secondColumn READ secondColumn NOTIFY pickerChanged)
    Q_PROPERTY(int firstColumnRow READ firstColumnRow NOTIFY pickerChanged)
    Q_PROPERTY(int secondColumnRow READ secondColumnRow NOTIFY pickerChanged)
    Q_PROPERTY(bool pickerShown READ isPickerShown NOTIFY pickerShownChanged)
    Q_PROPERTY(double pickerY READ pickerY NOTIFY pickerShownChanged)
    Q_PROPERTY(double pickerWidth READ pickerWidth CONSTANT)
    Q_PROPERTY(double pickerHeight READ pickerHeight CONSTANT)
    Q_PROPERTY(int pickerSlideMs READ pickerSlideMs CONSTANT)
public:
    // The choice rows, by tag.
    enum Choice { NoChoice = 0, GenderChoice = 1, AgeChoice = 2, RegionChoice = 3 };
    Q_ENUM(Choice)
    enum SortTag { SortNearbyTag = 1024, SortTopTag = 1025 };
    Q_ENUM(SortTag)
    static inline const QString kNoLimit = QStringLiteral("不限");
    static inline const QString kSortNearby = QStringLiteral("nearby");
    static inline const QString kSortTop = QStringLiteral("renqi");
    static constexpr double kPickerShownY = 200;
    static constexpr double kPickerHiddenY = 460;
    static constexpr double kPickerWidth = 320;
    static constexpr double kPickerHeight = 260;
    static constexpr int kPickerSlideMs = 200;

    explicit UserSearchViewController(AppContext &context, QObject *parent = nullptr);

    QString nickname() const { return nickname_; }
    void setNickname(const QString &nickname);
    QString genderText() const { return genderText_; }
    QString ageText() const { return ageText_; }
    QString cityText() const { return cityText_; }
    int sheng() const { return sheng_; }
    int shi() const { return shi_; }
    QString sort() const { return sort_; }
    QString sortImage() const;
    int selectedRow() const { return selectedRow_; }
    QStringList firstColumn() const { return columns_.value(0); }
    QStringList secondColumn() const { return columns_.value(1); }
    int firstColumnRow() const { return chosenRows_[0]; }
    int secondColumnRow() const { return chosenRows_[1]; }
    bool isPickerShown() const { return pickerShown_; }
    double pickerY() const { return pickerShown_ ? kPickerShownY : kPickerHiddenY; }
    double pickerWidth() const { return kPickerWidth; }
    double pickerHeight() const { return kPickerHeight; }
    int pickerSlideMs() const { return kPickerSlideMs; }

    // The "user_search.php" parameters the form stands for (without the page).
    QVariantMap queryParameters() const;

    // A choice row was tapped (its tag).
    Q_INVOKABLE void pickValue(int tag);
    Q_INVOKABLE void pickerViewDidSelectRow(int row, int component);
    Q_INVOKABLE void finishedPicking();
    Q_INVOKABLE void hidePicker();
    Q_INVOKABLE void sortBy(int tag);
    Q_INVOKABLE void search();

signals:
    void nicknameChanged();
    void choicesChanged();
    void sortChanged();
    void pickerChanged();
    void pickerShownChanged();
    // The name field is to give up the keyboard.
    void keyboardDismissed();

private:
    void showPicker();
    QString chosenTitle(int component) const;

    QString nickname_;
    QString genderText_ = kNoLimit;
    QString ageText_ = kNoLimit;
    QString cityText_ = kNoLimit;
    int sheng_ = 0;
    int shi_ = 0;
    QString sort_ = kSortNearby;
    int selectedRow_ = NoChoice;
    QList<QStringList> columns_;
    int chosenRows_[2] = {0, 0};
    bool pickerShown_ = false;
};
