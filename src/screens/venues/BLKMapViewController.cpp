#include "BLKMapViewController.h"

#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/LocationService.h"

#include <cmath>

BLKMapViewController::BLKMapViewController(AppContext &context, ClubAnnotation annotation,
                                           QObject *parent)
    : ViewController(context, parent), annotation_(std::move(annotation))
{
}

void BLKMapViewController::viewDidLoad()
{
    if (const std::optional<QGeoCoordinate> &position = context().session().userLocation)
        setUserLocation(*position);
    connect(&context().location(), &LocationService::didUpdateLocation, this,
            &BLKMapViewController::setUserLocation);
}

void BLKMapViewController::setUserLocation(const QGeoCoordinate &coordinate)
{
    userLocation_ = coordinate;
    emit userLocationChanged();
}

bool BLKMapViewController::regionContains(const QGeoCoordinate &coordinate) const
{
    if (!coordinate.isValid() || !center().isValid())
        return false;
    const double half = kSpanDegrees / 2;
    return std::abs(coordinate.latitude() - center().latitude()) <= half
           && std::abs(coordinate.longitude() - center().longitude()) <= half;
}

QPointF BLKMapViewController::pointForCoordinate(const QGeoCoordinate &coordinate) const
{
    const double half = kSpanDegrees / 2;
    const double west = center().longitude() - half;
    const double north = center().latitude() + half;
    return {(coordinate.longitude() - west) / kSpanDegrees * kMapWidth,
            (north - coordinate.latitude()) / kSpanDegrees * kMapHeight};
}

bool BLKMapViewController::isUserLocationVisible() const
{
    return userLocation_ && regionContains(*userLocation_);
}

QPointF BLKMapViewController::userPoint() const
{
    return isUserLocationVisible() ? pointForCoordinate(*userLocation_) : QPointF();
}

void BLKMapViewController::pinTapped()
{
    calloutShown_ = !calloutShown_;
    emit calloutShownChanged();
}
