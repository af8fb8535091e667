#pragma once
// "发现朋友": the users near the device, page by page, filtered by sex, as a grid of four
// avatars per row or as a list of rows (a sideways swipe flips between them, keeping
// the list and the place in it), with the filter bar above the first row, the reload
// button, and the distance bubble riding on the scroll thumb.

#include "DistanceScroller.h"
#include "ui/BLKTableViewController.h"
#include "ui/RecordGridModel.h"

#include <QtQml/qqmlregistration.h>

struct User;

class UserListViewController : public BLKTableViewController, public DistanceScrollerDelegate {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(int filterGender READ filterGender NOTIFY filterGenderChanged)
    Q_PROPERTY(int tableStyle READ tableStyle NOTIFY tableStyleChanged)
    Q_PROPERTY(bool flipFromRight READ flipFromRight NOTIFY tableStyleChanged)
    Q_PROPERTY(double scrollPlaceAfterFlip READ scrollPlaceAfterFlip NOTIFY tableStyleChanged)
    Q_PROPERTY(RecordGridModel *grid READ grid CONSTANT)
    Q_PROPERTY(int gridColumns READ gridColumns CONSTANT)
    Q_PROPERTY(double rowHeight READ rowHeight NOTIFY tableStyleChanged)
    Q_PROPERTY(double gridRowHeight READ gridRowHeight CONSTANT)
    Q_PROPERTY(double listRowHeight READ listRowHeight CONSTANT)
    Q_PROPERTY(double filterBarHeight READ filterBarHeight CONSTANT)
    Q_PROPERTY(int flipMs READ flipMs CONSTANT)
    Q_PROPERTY(DistanceScroller *distanceScroller READ distanceScroller CONSTANT)
public:
    enum TableStyle { GridStyle = 0, ListStyle = 1 };
    Q_ENUM(TableStyle)
    static inline const QString kScript = QStringLiteral("user_nearby.php");
    static constexpr int kGridColumns = 4;
    static constexpr double kGridRowHeight = 80;
    static constexpr double kListRowHeight = 70;
    static constexpr int kFlipMs = 300;

    explicit UserListViewController(AppContext &context, QObject *parent = nullptr);

    int filterGender() const { return filterGender_; }
    int tableStyle() const { return tableStyle_; }
    bool flipFromRight() const { return flipFromRight_; }
    // Where the list is to be scrolled after a flip, so that the same users stay in view.
    double scrollPlaceAfterFlip() const { return scrollPlaceAfterFlip_; }
    RecordGridModel *grid() const { return grid_; }
    int gridColumns() const { return kGridColumns; }
    double rowHeight() const { return tableStyle_ == GridStyle ? kGridRowHeight : kListRowHeight; }
    double gridRowHeight() const { return kGridRowHeight; }
    double listRowHeight() const { return kListRowHeight; }
    double filterBarHeight() const { return kFilterBarInset; }
    int flipMs() const { return kFlipMs; }
    DistanceScroller *distanceScroller() const { return distanceScroller_; }

    int numberOfRows() const;
    // The user shown by a grid tile or a list row; none where there is none.
    std::optional<User> userAt(int index) const;

    Q_INVOKABLE void refreshButtonTapped();
    Q_INVOKABLE void search();
    // A filter bar button: 0 everybody, 1 men, 2 women.
    Q_INVOKABLE void performFilter(int gender);
    // Tile `column` of grid row `row`.
    Q_INVOKABLE void cellAvatarButtonTapped(int row, int column);
    // A list row, or its avatar.
    Q_INVOKABLE void selectRow(int row);
    Q_INVOKABLE void avatarButtonTapped(int row);
    // A swipe: leftwards flips from the right, rightwards from the left.
    Q_INVOKABLE void changeTableStyle(bool fromRight);

    Q_INVOKABLE void scrollViewWillBeginDragging() override;
    Q_INVOKABLE void scrollViewDidEndDecelerating() override;

    TableScroll *tableViewForDistanceScroller() override { return scroll(); }
    int rowAtContentY(double contentY) const override;
    QString distanceForCell(int row) const override;

signals:
    void filterGenderChanged();
    void tableStyleChanged();

protected:
    void scrollViewDidScroll() override;

private:
    int filterGender_ = 0;
    int tableStyle_ = GridStyle;
    bool flipFromRight_ = false;
    double scrollPlaceAfterFlip_ = 0;
    RecordGridModel *grid_;
    DistanceScroller *distanceScroller_;
};
