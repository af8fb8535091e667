#include "UserListViewController.h"

#include "UserRows.h"
#include "model/User.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

#include <cmath>

UserListViewController::UserListViewController(AppContext &context, QObject *parent)
    : BLKTableViewController(context, parent), grid_(new RecordGridModel(kGridColumns, this)),
      distanceScroller_(new DistanceScroller(*this, context.clock(), this))
{
    setRevealsFilterBar(true);
    PagedQuery::Request request = UserRows::request(context, kScript);
    request.parameters = [this] {
        return QVariantMap{{QStringLiteral("gender"), QString::number(filterGender_)}};
    };
    setQuery(makeQuery<User>(std::move(request)));
    grid_->setSource(records());
}

int UserListViewController::numberOfRows() const
{
    return tableStyle_ == GridStyle ? grid_->rowCount() : records()->count();
}

std::optional<User> UserListViewController::userAt(int index) const
{
    return records()->recordAt<User>(index);
}

void UserListViewController::refreshButtonTapped()
{
    query()->reload();
}

void UserListViewController::search()
{
    context().router().openUserSearch();
}

void UserListViewController::performFilter(int gender)
{
    if (gender == filterGender_)
        return;
    filterGender_ = gender;
    emit filterGenderChanged();
    // The old filter's rows, and a page still on its way for it, go with the reload.
    query()->reload();
    refreshCompleted();
}

void UserListViewController::cellAvatarButtonTapped(int row, int column)
{
    UserRows::openUserHome(context(), records(), grid_->recordIndex(row, column));
}

void UserListViewController::selectRow(int row)
{
    if (tableStyle_ == ListStyle)
        UserRows::openUserHome(context(), records(), row);
}

void UserListViewController::avatarButtonTapped(int row)
{
    selectRow(row);
}

void UserListViewController::changeTableStyle(bool fromRight)
{
    // The first user in view stays in view: grid row r holds users 4r to 4r + 3.
    const double from = rowHeight();
    const double offset = scroll()->contentOffsetY();
    tableStyle_ = tableStyle_ == GridStyle ? ListStyle : GridStyle;
    flipFromRight_ = fromRight;
    const double to = rowHeight();
    if (offset <= 0) {
        scrollPlaceAfterFlip_ = offset;
    } else {
        const double row = std::floor(offset / from);
        const double intoRow = (offset - row * from) / from;
        const double mapped =
            tableStyle_ == ListStyle ? row * kGridColumns : std::floor(row / kGridColumns);
        scrollPlaceAfterFlip_ = (mapped + intoRow) * to;
    }
    emit tableStyleChanged();
}

void UserListViewController::scrollViewWillBeginDragging()
{
    BLKTableViewController::scrollViewWillBeginDragging();
    distanceScroller_->scrollViewWillBeginDragging();
}

void UserListViewController::scrollViewDidEndDecelerating()
{
    BLKTableViewController::scrollViewDidEndDecelerating();
    distanceScroller_->scrollViewDidEndDecelerating();
}

void UserListViewController::scrollViewDidScroll()
{
    BLKTableViewController::scrollViewDidScroll();
    distanceScroller_->scrollViewDidScroll();
}

int UserListViewController::rowAtContentY(double contentY) const
{
    if (contentY < 0)
        return -1;
    const int row = int(contentY / rowHeight());
    return row < numberOfRows() ? row : -1;
}

QString UserListViewController::distanceForCell(int row) const
{
    const int index = tableStyle_ == GridStyle ? grid_->recordIndex(row, 0) : row;
    const std::optional<User> user = userAt(index);
    return user ? user->distance : QString();
}
