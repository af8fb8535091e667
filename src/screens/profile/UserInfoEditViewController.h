#pragma once
// The profile editor: the avatar and personal data of the signed-in user, with panels for
// the birthday and for the places lived in and come from, sent in one upload. It starts
// from the stored user each time; a success replaces the user and its stored copy.

#include "model/User.h"
#include "platform/ViewController.h"
#include "ui/DateWheels.h"
#include "ui/PhotoAttachment.h"
#include "ui/RegionWheels.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

class UserInfoEditViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString account READ account CONSTANT)
    Q_PROPERTY(QString tag READ tag CONSTANT)
    Q_PROPERTY(User user READ user CONSTANT)
    Q_PROPERTY(PhotoAttachment *avatarPhoto READ avatarPhoto CONSTANT)
    // The avatar shown: a photo just picked, else the user's own.
    Q_PROPERTY(QString avatar READ avatar NOTIFY avatarChanged)
    Q_PROPERTY(QString nickname MEMBER nickname_ NOTIFY fieldsChanged)
    Q_PROPERTY(QString occupation MEMBER occupation_ NOTIFY fieldsChanged)
    Q_PROPERTY(QString about MEMBER about_ NOTIFY fieldsChanged)
    Q_PROPERTY(QString height MEMBER height_ NOTIFY fieldsChanged)
    Q_PROPERTY(QString weight MEMBER weight_ NOTIFY fieldsChanged)
    Q_PROPERTY(QString birthday READ birthday NOTIFY fieldsChanged)
    Q_PROPERTY(QString cityName READ cityName NOTIFY fieldsChanged)
    Q_PROPERTY(QString homeTownName READ homeTownName NOTIFY fieldsChanged)
    Q_PROPERTY(DateWheels *birthdayWheels READ birthdayWheels CONSTANT)
    Q_PROPERTY(RegionWheels *regionWheels READ regionWheels CONSTANT)
    Q_PROPERTY(bool datePanelShown READ datePanelShown NOTIFY panelsChanged)
    Q_PROPERTY(bool regionPanelShown READ regionPanelShown NOTIFY panelsChanged)
    Q_PROPERTY(bool isEditingHomeTown READ isEditingHomeTown NOTIFY panelsChanged)
public:
    static inline const QString kScript = QStringLiteral("my_info_edit.php");
    // The region panel's buttons: the place lived in, the home town.
    enum PlaceTag { ResidenceTag = 1024, HomeTownTag = 1025 };
    Q_ENUM(PlaceTag)

    explicit UserInfoEditViewController(AppContext &context, QObject *parent = nullptr);

    QString account() const;
    QString tag() const { return QString::number(user_.userId); }
    const User &user() const { return user_; }
    PhotoAttachment *avatarPhoto() const { return avatarPhoto_; }
    QString avatar() const;
    QString birthday() const { return birthday_; }
    QString cityName() const;
    QString homeTownName() const;
    DateWheels *birthdayWheels() const { return birthdayWheels_; }
    RegionWheels *regionWheels() const { return regionWheels_; }
    bool datePanelShown() const { return datePanelShown_; }
    bool regionPanelShown() const { return regionPanelShown_; }
    bool isEditingHomeTown() const { return isEditingHomeTown_; }
    bool busy() const override { return request_->busy(); }

    // The form fields' values as the upload sends them.
    QVariantMap parameters() const;

    Q_INVOKABLE void selectBirthday();
    Q_INVOKABLE void fininshedSelectBirthday();
    Q_INVOKABLE void selectCityInfo(int tag);
    Q_INVOKABLE void finishedSelectCity();
    Q_INVOKABLE void cancelPickerView();
    Q_INVOKABLE void changeAvatar();
    Q_INVOKABLE void commit();

signals:
    void fieldsChanged();
    void avatarChanged();
    void panelsChanged();

private:
    struct Place {
        int sheng = 0;
        int shi = 0;
    };
    static QString nameOf(const Place &place);
    void setPanels(bool datePanel, bool regionPanel);
    void receivedEdit(const JSONFetcher &reply);

    User user_;
    PhotoAttachment *avatarPhoto_;
    DateWheels *birthdayWheels_;
    RegionWheels *regionWheels_;
    RequestSlot *request_;
    QString nickname_;
    QString occupation_;
    QString about_;
    QString height_;
    QString weight_;
    QString birthday_;
    Place residence_;
    Place homeTown_;
    bool datePanelShown_ = false;
    bool regionPanelShown_ = false;
    bool isEditingHomeTown_ = false;
};
