#include "LocationService.h"

#include "LogCategories.h"

#include <QGeoPositionInfoSource>
#include <QTimer>

LocationService::LocationService(std::optional<QGeoCoordinate> fixedPosition, QObject *parent)
    : QObject(parent), mode_(fixedPosition ? Mode::Fixed : Mode::Platform),
      fixedPosition_(std::move(fixedPosition))
{
}

bool LocationService::locationServicesEnabled() const
{
    switch (mode_) {
    case Mode::Fixed:
        return true;
    case Mode::Simulated:
        return simulatedEnabled_;
    case Mode::Platform:
        return !QGeoPositionInfoSource::availableSources().isEmpty();
    }
    return false;
}

void LocationService::simulate(bool servicesEnabled)
{
    stopUpdatingLocation();
    mode_ = Mode::Simulated;
    simulatedEnabled_ = servicesEnabled;
}

void LocationService::startUpdatingLocation()
{
    stopUpdatingLocation();
    updating_ = true;
    lastReported_.reset();
    if (mode_ == Mode::Fixed) {
        QTimer::singleShot(0, this, [this] {
            if (updating_)
                report(*fixedPosition_);
        });
        return;
    }
    if (mode_ != Mode::Platform)
        return;
    source_ = QGeoPositionInfoSource::createDefaultSource(this);
    if (!source_) {
        QTimer::singleShot(0, this, [this] {
            if (updating_)
                emit didFailWithError();
        });
        return;
    }
    source_->setPreferredPositioningMethods(QGeoPositionInfoSource::AllPositioningMethods);
    connect(source_, &QGeoPositionInfoSource::positionUpdated, this,
            [this](const QGeoPositionInfo &info) { report(info.coordinate()); });
    connect(source_, &QGeoPositionInfoSource::errorOccurred, this,
            [this](QGeoPositionInfoSource::Error error) {
                qCInfo(lcPlatform) << "position failed:" << error;
                emit didFailWithError();
            });
    source_->startUpdates();
}

void LocationService::stopUpdatingLocation()
{
    updating_ = false;
    if (source_) {
        source_->stopUpdates();
        source_->deleteLater();
        source_ = nullptr;
    }
}

void LocationService::injectPosition(const QGeoCoordinate &coordinate)
{
    if (updating_)
        report(coordinate);
}

void LocationService::injectFailure()
{
    if (updating_)
        emit didFailWithError();
}

void LocationService::report(const QGeoCoordinate &coordinate)
{
    if (!coordinate.isValid())
        return;
    if (lastReported_ && distanceBetween(*lastReported_, coordinate) < kDistanceFilterMetres)
        return;
    lastReported_ = coordinate;
    emit didUpdateLocation(coordinate);
}

double LocationService::distanceBetween(const QGeoCoordinate &from, const QGeoCoordinate &to)
{
    return from.distanceTo(to);
}
