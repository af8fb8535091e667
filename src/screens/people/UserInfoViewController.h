#pragma once
// A user's detailed profile, filled once from the user handed over: avatar, sex,
// nickname, id, distance, age, star sign, birthday, occupation, height, weight, where
// the user lives and comes from, and the self-introduction. The avatar opens full screen.

#include "model/User.h"
#include "platform/ViewController.h"

#include <QtQml/qqmlregistration.h>

class UserInfoViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString avatar READ avatar CONSTANT)
    Q_PROPERTY(bool avatarRejected READ avatarRejected CONSTANT)
    Q_PROPERTY(QString genderIcon READ genderIcon CONSTANT)
    Q_PROPERTY(QString nickname READ nickname CONSTANT)
    Q_PROPERTY(QString distanceText READ distanceText CONSTANT)
    Q_PROPERTY(QString tagText READ tagText CONSTANT)
    Q_PROPERTY(QString ageText READ ageText CONSTANT)
    Q_PROPERTY(QString constellation READ constellation CONSTANT)
    Q_PROPERTY(QString birthday READ birthday CONSTANT)
    Q_PROPERTY(QString occupation READ occupation CONSTANT)
    Q_PROPERTY(QString heightText READ heightText CONSTANT)
    Q_PROPERTY(QString weightText READ weightText CONSTANT)
    Q_PROPERTY(QString cityText READ cityText CONSTANT)
    Q_PROPERTY(QString hometownText READ hometownText CONSTANT)
    Q_PROPERTY(QString aboutText READ aboutText CONSTANT)
    Q_PROPERTY(double contentWidth READ contentWidth CONSTANT)
    Q_PROPERTY(double contentHeight READ contentHeight CONSTANT)
public:
    static inline const QString kEmptyAbout = QStringLiteral("Ta没有介绍自己");
    static constexpr double kContentWidth = 320;
    static constexpr double kContentHeight = 558;

    UserInfoViewController(AppContext &context, User user, QObject *parent = nullptr);

    QString avatar() const { return user_.avatar; }
    bool avatarRejected() const { return user_.avatarRejected(); }
    QString genderIcon() const;
    QString nickname() const { return user_.nickname; }
    QString distanceText() const;
    QString tagText() const { return QString::number(user_.userId); }
    QString ageText() const;
    QString constellation() const { return user_.constellation; }
    QString birthday() const { return user_.birthday; }
    QString occupation() const { return user_.occupation; }
    QString heightText() const;
    QString weightText() const;
    QString cityText() const;
    QString hometownText() const;
    QString aboutText() const;
    double contentWidth() const { return kContentWidth; }
    double contentHeight() const { return kContentHeight; }

    // The full-size avatar in the photo viewer; a turned-down avatar opens nothing.
    Q_INVOKABLE void avatarButtonTapped();

private:
    User user_;
};
