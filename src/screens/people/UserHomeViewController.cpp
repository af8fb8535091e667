#include "UserHomeViewController.h"

#include "api/JSONFetcher.h"
#include "model/JsonFields.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/RecordListModel.h"
#include "ui/RequestSlot.h"
#include "ui/Router.h"

#include <algorithm>

UserHomeViewController::UserHomeViewController(AppContext &context, User user, QObject *parent)
    : ViewController(context, parent), user_(std::move(user)),
      photoTiles_(RecordListModel::of<PhotoTile>(this)), fetcher_(new RequestSlot(context, this)),
      actionFetcher_(new RequestSlot(context, this))
{
    connect(fetcher_, &RequestSlot::busyChanged, this, &UserHomeViewController::loadingChanged);
    connect(actionFetcher_, &RequestSlot::busyChanged, this, &UserHomeViewController::busyChanged);
    refreshUserInfo();
    followOwnPosts();
}

void UserHomeViewController::followOwnPosts()
{
    NotificationCenter &notifications = context().notifications();
    notifications.addObserver(
        this, NotificationNames::pictureChanged, [this](const QVariant &changed) {
            const auto picture = changed.value<Picture>();
            std::replace_if(
                photos_.begin(), photos_.end(),
                [&](const Picture &shown) { return shown.pid == picture.pid; }, picture);
        });
    // The newest photos and the signature are the server's to choose: the page asks
    // again after the user posted or deleted one of them.
    for (const QString &name :
         {NotificationNames::pictureDeleted, NotificationNames::pictureUploaded,
          NotificationNames::moodDeleted, NotificationNames::moodPosted}) {
        notifications.addObserver(this, name, [this](const QVariant &) {
            if (user_.userId == context().session().userId() && isViewLoaded())
                fetchHome();
        });
    }
}

UserHomeViewController::~UserHomeViewController() = default;

bool UserHomeViewController::loading() const
{
    return fetcher_->busy();
}

bool UserHomeViewController::actionBusy() const
{
    return actionFetcher_->busy();
}

QString UserHomeViewController::subtitle() const
{
    return QStringLiteral("%1岁, 人气%2, 访问量%3")
        .arg(user_.age)
        .arg(user_.popularity)
        .arg(user_.visitors);
}

QString UserHomeViewController::fansText() const
{
    return QStringLiteral("关注%1 | 粉丝%2").arg(user_.follows).arg(user_.fans);
}

QString UserHomeViewController::signature() const
{
    return user_.mood.isEmpty() ? kEmptySignature : user_.mood;
}

void UserHomeViewController::viewDidLoad()
{
    ViewController::viewDidLoad();
    fetchHome();
    // Filled from the user handed over until the reply comes.
    refreshUserInfo();
}

void UserHomeViewController::fetchHome()
{
    fetcher_->cancel();
    const auto answer = [this](const JSONFetcher &reply) { receivedHomeResponse(reply); };
    fetcher_->post(kHomeScript, {{QStringLiteral("uid"), QString::number(user_.userId)}}, answer,
                   answer);
}

void UserHomeViewController::receivedHomeResponse(const JSONFetcher &reply)
{
    if (reply.status() != 1) {
        fetcher_->alertFailure(reply);
        return;
    }
    const nuvora::json::Value &result = reply.reply();
    setFollowed(JsonFields::integer(result, "follow") != 0);
    // A user without an id would send follow, greeting and chat to nobody.
    User replied(JsonFields::child(result, "user"), context().session().userLocation);
    if (replied.userId != 0)
        user_ = std::move(replied);
    photos_.clear();
    JsonFields::forEachObject(result, "photos", [this](const nuvora::json::Value &photo) {
        if (photos_.size() < kMaxPhotos)
            photos_.append(Picture(photo));
    });
    refreshUserInfo();
}

void UserHomeViewController::refreshUserInfo()
{
    layout_ = UserHomeLayout::make(signature(), int(photos_.size()));
    QVariantList tiles;
    for (int i = 0; i < layout_.tileCount(); ++i) {
        const QRectF rect = UserHomeLayout::tileRect(i);
        PhotoTile tile;
        tile.tileX = rect.x();
        tile.tileY = rect.y();
        tile.tileWidth = rect.width();
        tile.tileHeight = rect.height();
        tile.albums = i == photos_.size();
        if (!tile.albums)
            tile.image = photos_.at(i).img;
        tiles.append(QVariant::fromValue(tile));
    }
    photoTiles_->setRecords(std::move(tiles));
    emit userChanged();
    emit layoutChanged();
}

void UserHomeViewController::setFollowed(bool followed)
{
    if (followed == followed_)
        return;
    followed_ = followed;
    emit followedChanged();
}

void UserHomeViewController::postAction(const QString &script, std::function<void()> succeeded)
{
    actionFetcher_->post(script, {{QStringLiteral("uid"), QString::number(user_.userId)}},
                         [this, succeeded](const JSONFetcher &reply) {
                             if (succeeded)
                                 succeeded();
                             context().alerts().showCommonAlert(reply.message(), QString());
                         });
}

void UserHomeViewController::follow()
{
    postAction(kFollowScript, [this] { followingChanged(true); });
}

void UserHomeViewController::unfollow()
{
    postAction(kUnfollowScript, [this] { followingChanged(false); });
}

void UserHomeViewController::followingChanged(bool followed)
{
    // The user's own follow counts among the fans shown, until the page is loaded again.
    if (followed != followed_) {
        user_.fans = std::max(0, user_.fans + (followed ? 1 : -1));
        emit userChanged();
    }
    setFollowed(followed);
}

void UserHomeViewController::hi()
{
    postAction(kHiScript, {});
}

void UserHomeViewController::chat()
{
    // One's own page (reached from a list or a comment) has nobody to chat with.
    if (user_.userId == context().session().userId())
        return;
    context().router().openChat(user_);
}

void UserHomeViewController::avatarButtonTapped()
{
    context().router().openUserInfo(user_);
}

void UserHomeViewController::gotoUserTimeLine()
{
    context().router().openUserTimeLine(user_);
}

void UserHomeViewController::gotoUserFriendList()
{
    context().router().openUserFriendList(user_);
}

void UserHomeViewController::gotoFavorList()
{
    context().router().openFavorList(user_);
}

void UserHomeViewController::gotoAlbums()
{
    context().router().openUserAlbums(user_);
}

void UserHomeViewController::photoTileTapped(int tile)
{
    if (tile >= 0 && tile < photos_.size())
        context().router().openPictureComment(user_, photos_.at(tile));
    else if (tile == photos_.size())
        gotoAlbums();
}
