#include "ClubDetailViewController.h"

#include "VenueShareSheet.h"
#include "model/JsonFields.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "ui/Router.h"
#include "ui/TelephoneCall.h"

namespace json = nuvora::json;

namespace {
const QString kPhotoPlaceholder = QStringLiteral("placeholder-60-45.png");
}

ClubDetailViewController::ClubDetailViewController(AppContext &context, Club club, QObject *parent)
    : ViewController(context, parent), club_(std::move(club)),
      loadRequest_(new RequestSlot(context, this)), actionRequest_(new RequestSlot(context, this)),
      strips_(
          new VenueStrips(context, {"clubphotos", "cpid", "clubfavors"}, kPhotoPlaceholder, this)),
      layout_(new VenuePageLayout(kDescriptionY, kBottomBlockHeight, this))
{
    connect(loadRequest_, &RequestSlot::busyChanged, this,
            &ClubDetailViewController::loadingChanged);
    connect(actionRequest_, &RequestSlot::busyChanged, this,
            &ClubDetailViewController::actingChanged);
    connect(strips_, &VenueStrips::fansRequested, this,
            &ClubDetailViewController::gotoFavorUserList);
    connect(strips_, &VenueStrips::albumRequested, this, &ClubDetailViewController::gotoClubAlbums);
    displayClubInfo();
}

void ClubDetailViewController::viewDidLoad()
{
    loadRequest_->post(QStringLiteral("club_show.php"),
                       {{QStringLiteral("clid"), QString::number(club_.clid)}},
                       [this](const JSONFetcher &reply) { receivedClubShowResponse(reply); });
}

void ClubDetailViewController::receivedClubShowResponse(const JSONFetcher &reply)
{
    const json::Value &result = reply.reply();
    const std::optional<QGeoCoordinate> &position = context().session().userLocation;
    const json::Value &sent = result["club"];
    // A reply without a club of its own would blank the page the user is reading.
    if (sent.isObject() && JsonFields::integer(sent, "clid") != 0) {
        club_ = Club(sent, position);
        displayClubInfo();
    }
    strips_->fill(result);
}

void ClubDetailViewController::displayClubInfo()
{
    layout_->setDescription(club_.content);
    emit clubChanged();
}

bool ClubDetailViewController::canCall() const
{
    return TelephoneCall::dialableNumber(club_.tel).has_value();
}

void ClubDetailViewController::favor()
{
    setFavored(true);
}

void ClubDetailViewController::cancelFavor()
{
    setFavored(false);
}

void ClubDetailViewController::setFavored(bool favored)
{
    // The load's reply would overwrite the state the user has just set.
    if (loadRequest_->busy())
        return;
    actionRequest_->post(
        favored ? QStringLiteral("club_favor_post.php") : QStringLiteral("club_favor_out.php"),
        {{QStringLiteral("clid"), QString::number(club_.clid)}},
        [this, favored](const JSONFetcher &) {
            club_.isfavor = favored ? 1 : 0;
            displayClubInfo();
            context().alerts().showAutoHiddenNotice(favored ? kFavoredNotice : kUnfavoredNotice);
        });
}

void ClubDetailViewController::makeACall()
{
    TelephoneCall::offer(context(), this, club_.tel);
}

void ClubDetailViewController::showLocation()
{
    if (club_.hasPosition())
        context().router().openClubMap(club_);
}

void ClubDetailViewController::gotoDiscuss()
{
    context().router().openClubBoard(club_);
}

void ClubDetailViewController::gotoFavorUserList()
{
    context().router().openClubFans(club_);
}

void ClubDetailViewController::gotoClubAlbums()
{
    context().router().openClubAlbum(club_);
}

void ClubDetailViewController::weiboShare()
{
    VenueShareSheet::offer(
        context(), this, [this](int service) { context().router().openClubShare(club_, service); });
}
