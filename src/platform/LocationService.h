#pragma once
// The device position: Qt Positioning, a fixed position given on the command
// line, or positions a test injects. A session asks for the best accuracy and
// reports a new fix only after 100 metres of movement.

#include <QGeoCoordinate>
#include <QObject>

#include <optional>

class QGeoPositionInfoSource;

class LocationService : public QObject {
    Q_OBJECT
public:
    static constexpr double kDistanceFilterMetres = 100.0;

    explicit LocationService(std::optional<QGeoCoordinate> fixedPosition = std::nullopt,
                             QObject *parent = nullptr);

    // Whether a position can be had at all (the platform's enable test).
    bool locationServicesEnabled() const;
    // Starts a new session, dropping the previous one.
    void startUpdatingLocation();
    void stopUpdatingLocation();
    bool isUpdating() const { return updating_; }

    // For tests: no platform source; positions come from injectPosition only.
    void simulate(bool servicesEnabled);
    // Reports a fix as the platform would (the distance filter applies).
    void injectPosition(const QGeoCoordinate &coordinate);
    void injectFailure();

    static double distanceBetween(const QGeoCoordinate &from, const QGeoCoordinate &to);

signals:
    void didUpdateLocation(const QGeoCoordinate &coordinate);
    void didFailWithError();

private:
    enum class Mode { Platform, Fixed, Simulated };
    void report(const QGeoCoordinate &coordinate);

    Mode mode_;
    std::optional<QGeoCoordinate> fixedPosition_;
    bool simulatedEnabled_ = false;
    bool updating_ = false;
    std::optional<QGeoCoordinate> lastReported_;
    QGeoPositionInfoSource *source_ = nullptr;
};
