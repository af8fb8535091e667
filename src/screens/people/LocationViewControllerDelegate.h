#pragma once
// What the region screen tells the screen that opened it.

#include <QString>

#include <optional>

class LocationViewControllerDelegate {
public:
    // The confirmed city's name (empty for "no city"), or none when cancelled.
    virtual void locateDidFinished(const std::optional<QString> &cityName) = 0;

protected:
    ~LocationViewControllerDelegate() = default;
};
