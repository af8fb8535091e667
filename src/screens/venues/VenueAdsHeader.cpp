#include "VenueAdsHeader.h"

#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"

VenueAdsHeader::VenueAdsHeader(AppContext &context, Items items, QObject *parent)
    : QObject(parent), context_(context), itemsOf_(items)
{
}

void VenueAdsHeader::build()
{
    if (buildFromSession())
        return;
    context_.notifications().addObserver(this, NotificationNames::adReceived,
                                         [this](const QVariant &) {
                                             if (!view_)
                                                 buildFromSession();
                                         });
}

bool VenueAdsHeader::buildFromSession()
{
    const auto &ads = context_.session().ads();
    if (!ads || ((*ads).*itemsOf_).empty())
        return false;
    items_ = (*ads).*itemsOf_;
    view_ = new ADsView(items_, this);
    connect(view_, &ADsView::clickWhichADButton, this, &VenueAdsHeader::itemTapped);
    emit viewChanged();
    return true;
}

void VenueAdsHeader::itemTapped(int index)
{
    if (index < 0 || index >= int(items_.size()))
        return;
    // An item without a proper id names nothing.
    const int id = items_.at(size_t(index)).id;
    if (id > 0)
        emit venueTapped(id);
}
