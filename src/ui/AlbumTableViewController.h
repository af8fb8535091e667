#pragma once
// The base of the photo album screens: a paged list of pictures laid out three to a
// row, refreshed by pulling; a tap on a thumbnail opens the photo viewer over the whole
// album at that photo (a screen may open its photos otherwise).

#include "BLKTableViewController.h"
#include "RecordGridModel.h"

class AlbumTableViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of album screens")
    Q_PROPERTY(RecordGridModel *grid READ grid CONSTANT)
    Q_PROPERTY(double rowHeight READ rowHeight CONSTANT)
public:
    static constexpr int kColumns = 3;
    static constexpr double kRowHeight = 80;

    explicit AlbumTableViewController(AppContext &context, QObject *parent = nullptr);

    RecordGridModel *grid() const { return grid_; }
    double rowHeight() const { return kRowHeight; }

    // The thumbnail at `column` of `row`; a place without a photo does nothing.
    Q_INVOKABLE void pictureTapped(int row, int column);

protected:
    // Opens the album's picture `index`.
    virtual void openPicture(int index);

private:
    RecordGridModel *grid_;
};
