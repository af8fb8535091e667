#pragma once
// The region screen, shown modally: asks the server which city the stored
// position lies in, lets the user confirm it or pick another in a two-column
// picker (which starts on the city found), stores the place and tells its delegate the
// city's name. A choice without a city says so instead of confirming.

#include "platform/ViewController.h"
#include "ui/RegionWheels.h"
#include "ui/RequestSlot.h"
#include "ui/Router.h"

#include <QPointer>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class LocationViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the screen that asks for a region")
    Q_PROPERTY(QString infoText READ infoText NOTIFY infoTextChanged)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)
    Q_PROPERTY(bool pickerShown READ isPickerShown NOTIFY pickerShownChanged)
    Q_PROPERTY(int pickerY READ pickerY NOTIFY pickerShownChanged)
    Q_PROPERTY(int pickerWidth READ pickerWidth CONSTANT)
    Q_PROPERTY(int pickerHeight READ pickerHeight CONSTANT)
    Q_PROPERTY(RegionWheels *wheels READ wheels CONSTANT)
public:
    static inline const QString kScript = QStringLiteral("lbs.php");
    static inline const QString kCannotLocate = QStringLiteral("无法定位您的城市，请手动选择");
    static inline const QString kChooseProvince = QStringLiteral("请选择省份和城市");
    static inline const QString kChooseCity = QStringLiteral("请选择城市");
    // The picker's frame once shown; before that it rests below the screen.
    static constexpr int kPickerShownY = 244;
    static constexpr int kPickerHiddenY = 460;
    static constexpr int kPickerWidth = 320;
    static constexpr int kPickerHeight = 216;

    explicit LocationViewController(AppContext &context, QObject *parent = nullptr);
    ~LocationViewController() override;

    // `locateDidFinished` tells the opening screen `owner` the answer, only while it lives.
    void setDelegate(QObject *owner, Router::RegionChosen locateDidFinished);

    int sheng() const { return sheng_; }
    int shi() const { return shi_; }
    bool autoLocatedSuccess() const { return autoLocatedSuccess_; }
    bool manualLocated() const { return manualLocated_; }

    QString infoText() const { return infoText_; }
    bool isRunning() const { return request_->busy(); }
    bool isPickerShown() const { return pickerShown_; }
    int pickerY() const { return pickerShown_ ? kPickerShownY : kPickerHiddenY; }
    int pickerWidth() const { return kPickerWidth; }
    int pickerHeight() const { return kPickerHeight; }
    RegionWheels *wheels() const { return wheels_; }

    Q_INVOKABLE void confirmLocation();
    Q_INVOKABLE void manualToSelectCity();
    Q_INVOKABLE void cancel();
    Q_INVOKABLE void pickerViewDidSelectRow(int row, int component);

    void receivedLocationResponse(const JSONFetcher &reply);

signals:
    void infoTextChanged();
    void runningChanged();
    void pickerShownChanged();

protected:
    void viewDidLoad() override;

private:
    void setInfoText(const QString &text);
    void tellDelegate(const std::optional<QString> &cityName);

    int sheng_ = 0;
    int shi_ = 0;
    bool autoLocatedSuccess_ = false;
    bool manualLocated_ = false;
    QString infoText_;
    bool pickerShown_ = false;
    RegionWheels *wheels_;
    RequestSlot *request_;
    Router::RegionChosen locateDidFinished_;
    QPointer<QObject> delegateOwner_;
};
