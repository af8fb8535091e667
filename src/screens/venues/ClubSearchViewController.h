#pragma once
// The club search form: keywords and a province and city picked in a two-column picker
// that slides up from below; the label names the stored city until another is picked.

#include "platform/ViewController.h"
#include "ui/RegionWheels.h"

#include <QStringList>
#include <QtQml/qqmlregistration.h>

class ClubSearchViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString keyword READ keyword WRITE setKeyword NOTIFY keywordChanged)
    Q_PROPERTY(QString cityLabel READ cityLabel NOTIFY cityLabelChanged)
    Q_PROPERTY(bool pickerShown READ isPickerShown NOTIFY pickerShownChanged)
    Q_PROPERTY(RegionWheels *wheels READ wheels CONSTANT)
public:
    explicit ClubSearchViewController(AppContext &context, QObject *parent = nullptr);

    QString keyword() const { return keyword_; }
    void setKeyword(const QString &keyword);
    QString cityLabel() const { return cityLabel_; }
    bool isPickerShown() const { return pickerShown_; }
    RegionWheels *wheels() const { return wheels_; }
    // The region searched in; 0 (anywhere) until one is picked.
    int sheng() const { return sheng_; }
    int shi() const { return shi_; }

    // A tap on the city: the picker opens at the stored region.
    Q_INVOKABLE void pickValue();
    Q_INVOKABLE void showPicker();
    Q_INVOKABLE void hidePicker();
    Q_INVOKABLE void finishedPicking();
    Q_INVOKABLE void search();

signals:
    void keywordChanged();
    void cityLabelChanged();
    void pickerShownChanged();

protected:
    void viewDidLoad() override;

private:
    int storedSheng() const;
    int storedShi() const;
    void setCityLabel(const QString &label);

    QString keyword_;
    QString cityLabel_;
    bool pickerShown_ = false;
    RegionWheels *wheels_;
    bool pickerOpened_ = false;
    int sheng_ = 0;
    int shi_ = 0;
};
