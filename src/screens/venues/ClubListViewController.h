#pragma once
// The club list of the hub: the clubs near the user, the most popular ones and the
// user's favourites, each list with its own rows and page kept across switches; a bar of
// filters above the list (revealed by pulling), a refresh button, and the advertisement
// banner as the list's header.

#include "ClubRows.h"
#include "VenueAdsHeader.h"
#include "ui/BLKTableViewController.h"

#include <QtQml/qqmlregistration.h>

#include <array>

class ClubListViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(int clubType READ clubType NOTIFY clubTypeChanged)
    Q_PROPERTY(ADsView *adsHeaderView READ adsHeaderView NOTIFY adsHeaderViewChanged)
    Q_PROPERTY(double adsHeaderWidth READ adsHeaderWidth CONSTANT)
    Q_PROPERTY(double adsHeaderHeight READ adsHeaderHeight CONSTANT)
    Q_PROPERTY(double topViewHeight READ topViewHeight CONSTANT)
    Q_PROPERTY(double rowHeight READ rowHeight CONSTANT)
public:
    enum ClubType { Nearby = 0, Top = 1, Favorites = 2 };
    Q_ENUM(ClubType)
    // The filter buttons, told apart by their tags.
    enum FilterTag { NearbyTag = 1024, TopTag = 1025, FavoritesTag = 1026, SearchTag = 1027 };
    Q_ENUM(FilterTag)

    static constexpr double kTopViewHeight = 60;

    explicit ClubListViewController(AppContext &context, QObject *parent = nullptr);

    int clubType() const { return clubType_; }
    ADsView *adsHeaderView() const { return adsHeader_->view(); }
    double adsHeaderWidth() const { return VenueAdsHeader::kWidth; }
    double adsHeaderHeight() const { return VenueAdsHeader::kHeight; }
    double topViewHeight() const { return kTopViewHeight; }
    double rowHeight() const { return ClubRows::kRowHeight; }
    // The list of `type`, shown or not.
    PagedQuery *clubs(ClubType type) const { return lists_.at(size_t(type)); }

    Q_INVOKABLE void performFilter(int tag);
    // Asks for the first page of the list shown again.
    Q_INVOKABLE void refreshButtonTapped();
    Q_INVOKABLE void selectRow(int row);
    // The banner's item `index` was tapped: its club opens.
    Q_INVOKABLE void clickWhichADButton(int index);

signals:
    void clubTypeChanged();
    void adsHeaderViewChanged();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    std::array<PagedQuery *, 3> lists_{};
    int clubType_ = Nearby;
    VenueAdsHeader *adsHeader_;
};
