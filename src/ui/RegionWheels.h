#pragma once
// The two wheels of a region picker: the catalogue's provinces, the cities of the
// province chosen, and the rows turned to. Every screen that picks a place holds one.

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class RegionWheels : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the screens that pick a place")
    Q_PROPERTY(QStringList provinces READ provinces CONSTANT)
    Q_PROPERTY(QStringList cities READ cities NOTIFY citiesChanged)
    Q_PROPERTY(int selectedProvinceRow READ selectedProvinceRow NOTIFY selectionChanged)
    Q_PROPERTY(int selectedCityRow READ selectedCityRow NOTIFY selectionChanged)
public:
    enum Component { ProvinceComponent = 0, CityComponent = 1 };
    Q_ENUM(Component)

    explicit RegionWheels(QObject *parent = nullptr);

    QStringList provinces() const;
    QStringList cities() const { return cities_; }
    int selectedProvinceRow() const { return province_; }
    int selectedCityRow() const { return city_; }
    // The name of the city turned to; empty for the "no city" row.
    QString cityName() const;

    // Turns both wheels to a stored place. Indices from old settings or the server may lie
    // outside the catalogue: they are clamped to its ends rather than trusted.
    void show(int sheng, int shi);
    // A row turned to in one column; a new province starts on its "no city" row. False
    // when the row is the one shown or lies outside the column.
    Q_INVOKABLE bool pick(int row, int component);

signals:
    void citiesChanged();
    void selectionChanged();

private:
    QStringList cities_;
    int province_ = 0;
    int city_ = 0;
};
