#pragma once
// The club search form: keywords and a province and city picked in a two-column picker
// that slides up from below; the label names the stored city until another is picked.

#include "platform/ViewController.h"

#include <QStringList>
#include <QtQml/qqmlregistration.h>

class ClubSearchViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString keyword READ keyword WRITE setKeyword NOTIFY keywordChanged)
    Q_PROPERTY(QString cityLabel READ cityLabel NOTIFY cityLabelChanged)
    Q_PROPERTY(bool pickerShown READ isPickerShown NOTIFY pickerShownChanged)
    Q_PROPERTY(double popViewY READ popViewY NOTIFY pickerShownChanged)
    Q_PROPERTY(double popViewWidth READ popViewWidth CONSTANT)
    Q_PROPERTY(double popViewHeight READ popViewHeight CONSTANT)
    Q_PROPERTY(int slideMs READ slideMs CONSTANT)
    Q_PROPERTY(QStringList provinces READ provinces NOTIFY pickerDataChanged)
    Q_PROPERTY(QStringList cities READ cities NOTIFY pickerDataChanged)
    Q_PROPERTY(int selectedProvinceRow READ selectedProvinceRow NOTIFY selectionChanged)
    Q_PROPERTY(int selectedCityRow READ selectedCityRow NOTIFY selectionChanged)
public:
    // The picker's panel: shown at top 200, resting below the screen at 460.
    static constexpr double kPopViewShownY = 200;
    static constexpr double kPopViewHiddenY = 460;
    static constexpr double kPopViewWidth = 320;
    static constexpr double kPopViewHeight = 260;
    static constexpr int kSlideMs = 200;
    enum PickerComponent { ProvinceComponent = 0, CityComponent = 1 };
    Q_ENUM(PickerComponent)

    explicit ClubSearchViewController(AppContext &context, QObject *parent = nullptr);

    QString keyword() const { return keyword_; }
    void setKeyword(const QString &keyword);
    QString cityLabel() const { return cityLabel_; }
    bool isPickerShown() const { return pickerShown_; }
    double popViewY() const { return pickerShown_ ? kPopViewShownY : kPopViewHiddenY; }
    double popViewWidth() const { return kPopViewWidth; }
    double popViewHeight() const { return kPopViewHeight; }
    int slideMs() const { return kSlideMs; }
    QStringList provinces() const { return pickerDataSource_[ProvinceComponent]; }
    QStringList cities() const { return pickerDataSource_[CityComponent]; }
    int selectedProvinceRow() const { return selectedRows_[ProvinceComponent]; }
    int selectedCityRow() const { return selectedRows_[CityComponent]; }
    // The region searched in; 0 (anywhere) until one is picked.
    int sheng() const { return sheng_; }
    int shi() const { return shi_; }

    // A tap on the city: the picker opens at the stored region.
    Q_INVOKABLE void pickValue();
    Q_INVOKABLE void showPicker();
    Q_INVOKABLE void hidePicker();
    Q_INVOKABLE void pickerViewDidSelectRow(int row, int component);
    Q_INVOKABLE void finishedPicking();
    Q_INVOKABLE void search();

signals:
    void keywordChanged();
    void cityLabelChanged();
    void pickerShownChanged();
    void pickerDataChanged();
    void selectionChanged();

protected:
    void viewDidLoad() override;

private:
    int storedSheng() const;
    int storedShi() const;
    void setCityLabel(const QString &label);

    QString keyword_;
    QString cityLabel_;
    bool pickerShown_ = false;
    QStringList pickerDataSource_[2];
    int selectedRows_[2] = {0, 0};
    int sheng_ = 0;
    int shi_ = 0;
};
