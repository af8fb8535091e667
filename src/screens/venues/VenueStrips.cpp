#include "VenueStrips.h"

#include "model/JsonFields.h"
#include "model/Session.h"
#include "model/VenuePhoto.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

VenueStrips::VenueStrips(AppContext &context, ReplyKeys keys, const QString &photoPlaceholder,
                         QObject *parent)
    : QObject(parent), context_(context), keys_(keys),
      fansStrip_(new TileStrip(TileStrip::fans(), this)),
      photoStrip_(new TileStrip(TileStrip::photos(photoPlaceholder), this))
{
    connect(fansStrip_, &TileStrip::tileSelected, this, &VenueStrips::userAvatarButtonTapped);
    connect(fansStrip_, &TileStrip::moreRequested, this, &VenueStrips::fansRequested);
    connect(photoStrip_, &TileStrip::tileSelected, this, &VenueStrips::photoButtonTapped);
    connect(photoStrip_, &TileStrip::moreRequested, this, &VenueStrips::albumRequested);
}

void VenueStrips::fill(const nuvora::json::Value &reply)
{
    if (photoList_.empty()) {
        JsonFields::forEachObject(reply, keys_.photos, [this](const nuvora::json::Value &element) {
            photoList_.push_back(VenuePhoto::picture(element, keys_.photoId));
        });
        QStringList thumbnails;
        for (const Picture &photo : photoList_)
            thumbnails << photo.img;
        photoStrip_->setImages(thumbnails);
    }
    if (favorUserList_.empty()) {
        const std::optional<QGeoCoordinate> &position = context_.session().userLocation;
        JsonFields::forEachObject(reply, keys_.fans,
                                  [this, &position](const nuvora::json::Value &user) {
                                      favorUserList_.emplace_back(user, position);
                                  });
        showFans();
    }
}

void VenueStrips::showFans()
{
    QStringList avatars;
    for (const User &user : favorUserList_)
        avatars << (user.avatarRejected() ? QString() : user.avatar);
    fansStrip_->setImages(avatars);
}

void VenueStrips::addFan(const User &user)
{
    removeFan(user.userId);
    favorUserList_.insert(favorUserList_.begin(), user);
    showFans();
}

void VenueStrips::removeFan(int userId)
{
    std::erase_if(favorUserList_, [userId](const User &fan) { return fan.userId == userId; });
    showFans();
}

void VenueStrips::photoButtonTapped(int index)
{
    QStringList addresses;
    for (const Picture &photo : photoList_)
        addresses << photo.img_big;
    if (index >= 0 && index < addresses.size())
        context_.router().openPhotoViewer(addresses, index);
}

void VenueStrips::userAvatarButtonTapped(int index)
{
    if (index >= 0 && index < int(favorUserList_.size()))
        context_.router().openUserHome(favorUserList_.at(size_t(index)));
}
