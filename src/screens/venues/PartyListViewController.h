#pragma once
// The party list of the hub: tonight's and coming parties, and the parties the user
// signed up for, each list with its own rows and page kept across switches; a bar of
// filters above the list (revealed by pulling), a refresh button, and the advertisement
// banner as the list's header.

#include "PartyTableViewController.h"
#include "VenueAdsHeader.h"

#include <QtQml/qqmlregistration.h>

#include <array>

class PartyListViewController : public PartyTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(int partyType READ partyType NOTIFY partyTypeChanged)
    Q_PROPERTY(ADsView *adsHeaderView READ adsHeaderView NOTIFY adsHeaderViewChanged)
    Q_PROPERTY(double adsHeaderWidth READ adsHeaderWidth CONSTANT)
    Q_PROPERTY(double adsHeaderHeight READ adsHeaderHeight CONSTANT)
    Q_PROPERTY(double topViewHeight READ topViewHeight CONSTANT)
public:
    enum PartyType { Current = 0, Mine = 1 };
    Q_ENUM(PartyType)
    // The filter buttons, told apart by their tags.
    enum FilterTag { CurrentTag = 9999, MineTag = 8888 };
    Q_ENUM(FilterTag)

    static constexpr double kTopViewHeight = 60;

    explicit PartyListViewController(AppContext &context, QObject *parent = nullptr);

    int partyType() const { return partyType_; }
    ADsView *adsHeaderView() const { return adsHeader_->view(); }
    double adsHeaderWidth() const { return VenueAdsHeader::kWidth; }
    double adsHeaderHeight() const { return VenueAdsHeader::kHeight; }
    double topViewHeight() const { return kTopViewHeight; }
    // The list of `type`, shown or not.
    PagedQuery *parties(PartyType type) const { return lists_.at(size_t(type)); }

    Q_INVOKABLE void performFilter(int tag);
    // Asks for the first page of the list shown again.
    Q_INVOKABLE void refreshButtonTapped();
    // The banner's item `index` was tapped: its party opens.
    Q_INVOKABLE void clickWhichADButton(int index);

signals:
    void partyTypeChanged();
    void adsHeaderViewChanged();

protected:
    void viewDidLoad() override;

private:
    std::array<PagedQuery *, 2> lists_{};
    int partyType_ = Current;
    VenueAdsHeader *adsHeader_;
};
