#include "VenueDetailViewController.h"

#include "VenueShareSheet.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "ui/TelephoneCall.h"

VenueDetailViewController::VenueDetailViewController(AppContext &context, Kind kind,
                                                     QObject *parent)
    : ViewController(context, parent), kind_(std::move(kind)),
      loadRequest_(new RequestSlot(context, this)), actionRequest_(new RequestSlot(context, this)),
      strips_(new VenueStrips(context, kind_.stripKeys, kind_.photoPlaceholder, this)),
      layout_(new VenuePageLayout(kind_.descriptionY, kind_.bottomBlockHeight, this))
{
    connect(loadRequest_, &RequestSlot::busyChanged, this,
            &VenueDetailViewController::loadingChanged);
    connect(actionRequest_, &RequestSlot::busyChanged, this,
            &VenueDetailViewController::busyChanged);
    connect(strips_, &VenueStrips::fansRequested, this, &VenueDetailViewController::openFans);
    connect(strips_, &VenueStrips::albumRequested, this, &VenueDetailViewController::openAlbum);
}

void VenueDetailViewController::reload()
{
    loadRequest_->post(kind_.showScript, {{kind_.idParameter, QString::number(venueId())}},
                       [this](const JSONFetcher &reply) { receivedShowResponse(reply); });
}

void VenueDetailViewController::receivedShowResponse(const JSONFetcher &reply)
{
    // A reply without a venue of its own would blank the page the user is reading.
    if (takeRecord(reply.reply())) {
        displayRecord();
        if (!loaded_) {
            loaded_ = true;
            emit loadingChanged();
        }
    }
    strips_->fill(reply.reply());
}

void VenueDetailViewController::displayRecord()
{
    layout_->setDescription(description());
    emit recordChanged();
}

QString VenueDetailViewController::stripNote() const
{
    if (loaded_)
        return {};
    return isLoading() ? QStringLiteral("正在加载…") : QStringLiteral("未能加载");
}

bool VenueDetailViewController::readyToAct()
{
    if (isLoading())
        context().alerts().showAutoHiddenNotice(kind_.loadingNotice);
    return canAct();
}

void VenueDetailViewController::toggle(int &flag, int &count, bool on)
{
    if ((flag != 0) == on)
        return;
    flag = on ? 1 : 0;
    count = std::max(0, count + (on ? 1 : -1));
}

bool VenueDetailViewController::canCall() const
{
    return TelephoneCall::dialableNumber(tel()).has_value();
}

void VenueDetailViewController::favor()
{
    setFavored(true);
}

void VenueDetailViewController::cancelFavor()
{
    setFavored(false);
}

void VenueDetailViewController::setFavored(bool favored)
{
    if (!readyToAct())
        return;
    actionRequest_->post(favored ? kind_.favorScript : kind_.unfavorScript,
                         {{kind_.idParameter, QString::number(venueId())}},
                         [this, favored](const JSONFetcher &) {
                             setFavoredFlag(favored);
                             if (const auto &me = context().session().defaultUser()) {
                                 if (favored)
                                     strips_->addFan(*me);
                                 else
                                     strips_->removeFan(me->userId);
                             }
                             displayRecord();
                             announceChange();
                             context().alerts().showAutoHiddenNotice(
                                 favored ? kind_.favoredNotice : kind_.unfavoredNotice);
                         });
}

void VenueDetailViewController::makeACall()
{
    if (canAct())
        TelephoneCall::offer(context(), this, tel());
}

void VenueDetailViewController::gotoDiscuss()
{
    if (canAct())
        openBoard();
}

void VenueDetailViewController::gotoFavorUserList()
{
    if (canAct())
        openFans();
}

void VenueDetailViewController::gotoAlbums()
{
    if (canAct())
        openAlbum();
}

void VenueDetailViewController::weiboShare()
{
    if (canAct())
        VenueShareSheet::offer(context(), this, [this](int service) { openShare(service); });
}
