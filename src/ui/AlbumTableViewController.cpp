#include "AlbumTableViewController.h"

#include "Router.h"
#include "model/Picture.h"
#include "platform/AppContext.h"

AlbumTableViewController::AlbumTableViewController(AppContext &context, QObject *parent)
    : BLKTableViewController(context, parent), grid_(new RecordGridModel(kColumns, this))
{
    connect(this, &BLKLoadMoreTableViewController::queryChanged, this,
            [this] { grid_->setSource(records()); });
}

void AlbumTableViewController::pictureTapped(int row, int column)
{
    const int index = grid_->recordIndex(row, column);
    if (index >= 0)
        openPicture(index);
}

void AlbumTableViewController::openPicture(int index)
{
    QStringList addresses;
    for (const QVariant &record : records()->records())
        addresses << record.value<Picture>().img_big;
    context().router().openPhotoViewer(addresses, index);
}
