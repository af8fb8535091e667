#pragma once
// A club as a map pin: its position, with the name as the callout's title and the
// address as its subtitle.

#include "Club.h"

#include <QGeoCoordinate>
#include <QString>
#include <optional>

class ClubAnnotation {
public:
    ClubAnnotation() = default;
    explicit ClubAnnotation(Club club) : club_(std::move(club)) {}

    const std::optional<Club> &club() const { return club_; }
    // 0, 0 when it holds no club.
    QGeoCoordinate coordinate() const { return club_ ? club_->coordinate : QGeoCoordinate(0, 0); }
    QString title() const { return club_ ? club_->name : QString(); }
    QString subtitle() const { return club_ ? club_->address : QString(); }

private:
    std::optional<Club> club_;
};
