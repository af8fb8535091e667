#pragma once
// The advertisement banner heading a venue list: built from the session's items of one
// kind (the clubs' or the parties'), at once or, while there are none, when the
// advertisements arrive. A tapped item reports the venue id it names.

#include "app/ADsView.h"
#include "model/Advertisement.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>
#include <vector>

class AppContext;

class VenueAdsHeader : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the venue lists")
    Q_PROPERTY(ADsView *view READ view NOTIFY viewChanged)
    Q_PROPERTY(double width READ width CONSTANT)
    Q_PROPERTY(double height READ height CONSTANT)
public:
    using Items = std::vector<AdItem> Advertisement::*;

    static constexpr double kWidth = 320;
    static constexpr double kHeight = 119;

    VenueAdsHeader(AppContext &context, Items items, QObject *parent = nullptr);

    // The banner; none until there are items.
    ADsView *view() const { return view_; }
    double width() const { return kWidth; }
    double height() const { return kHeight; }

    // Builds the banner now or when the advertisements arrive (the list's load).
    void build();
    // The banner's item `index` was tapped.
    void itemTapped(int index);

signals:
    void viewChanged();
    // An item naming a proper (positive) id was tapped.
    void venueTapped(int id);

private:
    bool buildFromSession();

    AppContext &context_;
    Items itemsOf_;
    ADsView *view_ = nullptr;
    std::vector<AdItem> items_; // what the banner shows
};
