#include "ClubDetailViewController.h"

#include "model/JsonFields.h"
#include "model/Session.h"
#include "model/VenuePhoto.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "ui/Router.h"
#include "ui/TelephoneCall.h"
#include "ui/TextMetrics.h"

namespace json = nuvora::json;

namespace {
const QString kPhotoPlaceholder = QStringLiteral("placeholder-60-45.png");
}

ClubDetailViewController::ClubDetailViewController(AppContext &context, Club club, QObject *parent)
    : ViewController(context, parent), club_(std::move(club)),
      loadRequest_(new RequestSlot(context, this)), actionRequest_(new RequestSlot(context, this)),
      fansStrip_(new TileStrip(TileStrip::fans(), this)),
      photoStrip_(new TileStrip(TileStrip::photos(kPhotoPlaceholder), this))
{
    connect(loadRequest_, &RequestSlot::busyChanged, this,
            &ClubDetailViewController::loadingChanged);
    connect(actionRequest_, &RequestSlot::busyChanged, this,
            &ClubDetailViewController::actingChanged);
    connect(fansStrip_, &TileStrip::tileSelected, this,
            &ClubDetailViewController::userAvatarButtonTapped);
    connect(fansStrip_, &TileStrip::moreRequested, this,
            &ClubDetailViewController::gotoFavorUserList);
    connect(photoStrip_, &TileStrip::tileSelected, this,
            &ClubDetailViewController::photoButtonTapped);
    connect(photoStrip_, &TileStrip::moreRequested, this,
            &ClubDetailViewController::gotoClubAlbums);
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
    if (photoList_.empty()) {
        JsonFields::forEachObject(result, "clubphotos", [this](const json::Value &element) {
            photoList_.push_back(VenuePhoto::picture(element, "cpid"));
        });
        displayClubPhotos();
    }
    if (favorUserList_.empty()) {
        JsonFields::forEachObject(result, "clubfavors", [this, &position](const json::Value &user) {
            favorUserList_.emplace_back(user, position);
        });
        displayFavorUsers();
    }
}

void ClubDetailViewController::displayClubInfo()
{
    descriptionHeight_ =
        TextMetrics::sizeToFit(club_.content, kDescriptionFontSize, kDescriptionWidth).height();
    emit clubChanged();
}

void ClubDetailViewController::displayFavorUsers()
{
    QStringList avatars;
    for (const User &user : favorUserList_)
        avatars << (user.avatarRejected() ? QString() : user.avatar);
    fansStrip_->setImages(avatars);
}

void ClubDetailViewController::displayClubPhotos()
{
    QStringList thumbnails;
    for (const Picture &photo : photoList_)
        thumbnails << photo.img;
    photoStrip_->setImages(thumbnails);
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
    context().alerts().showActionSheet(
        QString(), QStringLiteral("取消"), QString(),
        {QStringLiteral("分享到新浪微博"), QStringLiteral("分享到腾讯微博")}, this,
        [this](int index) {
            if (index == 0 || index == 1)
                context().router().openClubShare(club_, index);
        });
}

void ClubDetailViewController::photoButtonTapped(int index)
{
    QStringList addresses;
    for (const Picture &photo : photoList_)
        addresses << photo.img_big;
    if (index >= 0 && index < addresses.size())
        context().router().openPhotoViewer(addresses, index);
}

void ClubDetailViewController::userAvatarButtonTapped(int index)
{
    if (index >= 0 && index < int(favorUserList_.size()))
        context().router().openUserHome(favorUserList_.at(size_t(index)));
}
