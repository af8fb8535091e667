#pragma once
// A club on a map: a schematic area 0.06 degrees of latitude by 0.06 of longitude
// centred on the club, its red pin with a callout naming it and its address, and the
// user's own position when it lies inside the area. The platform has no map tiles, so
// the view draws the area from the geometry computed here.

#include "model/ClubAnnotation.h"
#include "platform/ViewController.h"

#include <QPointF>
#include <QtQml/qqmlregistration.h>

class BLKMapViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString annotationTitle READ annotationTitle CONSTANT)
    Q_PROPERTY(QString annotationSubtitle READ annotationSubtitle CONSTANT)
    Q_PROPERTY(double centerLatitude READ centerLatitude CONSTANT)
    Q_PROPERTY(double centerLongitude READ centerLongitude CONSTANT)
    Q_PROPERTY(double latitudeDelta READ latitudeDelta CONSTANT)
    Q_PROPERTY(double longitudeDelta READ longitudeDelta CONSTANT)
    Q_PROPERTY(double gridStep READ gridStep CONSTANT)
    Q_PROPERTY(double mapWidth READ mapWidth CONSTANT)
    Q_PROPERTY(double mapHeight READ mapHeight CONSTANT)
    Q_PROPERTY(QPointF pinPoint READ pinPoint CONSTANT)
    Q_PROPERTY(bool calloutShown READ isCalloutShown NOTIFY calloutShownChanged)
    Q_PROPERTY(bool userLocationVisible READ isUserLocationVisible NOTIFY userLocationChanged)
    Q_PROPERTY(QPointF userPoint READ userPoint NOTIFY userLocationChanged)
public:
    static constexpr double kSpanDegrees = 0.06;
    // The schematic's grid: a line every 0.01 degree.
    static constexpr double kGridStep = 0.01;
    // The map fills the screen below the navigation bar.
    static constexpr double kMapWidth = 320;
    static constexpr double kMapHeight = 416;

    BLKMapViewController(AppContext &context, ClubAnnotation annotation, QObject *parent = nullptr);

    const ClubAnnotation &annotation() const { return annotation_; }
    QString annotationTitle() const { return annotation_.title(); }
    QString annotationSubtitle() const { return annotation_.subtitle(); }
    // The region shown: centred on the pin, kSpanDegrees each way.
    QGeoCoordinate center() const { return annotation_.coordinate(); }
    double centerLatitude() const { return center().latitude(); }
    double centerLongitude() const { return center().longitude(); }
    double latitudeDelta() const { return kSpanDegrees; }
    double longitudeDelta() const { return kSpanDegrees; }
    double gridStep() const { return kGridStep; }
    double mapWidth() const { return kMapWidth; }
    double mapHeight() const { return kMapHeight; }

    // Whether `coordinate` lies inside the region shown.
    bool regionContains(const QGeoCoordinate &coordinate) const;
    // Where `coordinate` lies on the map, in points from its top left corner.
    QPointF pointForCoordinate(const QGeoCoordinate &coordinate) const;
    QPointF pinPoint() const { return pointForCoordinate(center()); }

    bool isCalloutShown() const { return calloutShown_; }
    bool isUserLocationVisible() const;
    QPointF userPoint() const;

    // A tap on the pin shows or hides its callout.
    Q_INVOKABLE void pinTapped();

signals:
    void calloutShownChanged();
    void userLocationChanged();

protected:
    void viewDidLoad() override;

private:
    void setUserLocation(const QGeoCoordinate &coordinate);

    ClubAnnotation annotation_;
    std::optional<QGeoCoordinate> userLocation_;
    bool calloutShown_ = true;
};
