#include "ProfileCenterViewController.h"

#include "api/json/JsonValue.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/LogCategories.h"
#include "ui/Router.h"

namespace {
const QString kCoverScript = QStringLiteral("my_bander_upload.php");
} // namespace

ProfileCenterViewController::ProfileCenterViewController(AppContext &context, QObject *parent)
    : FeedListViewController(context, parent), coverUpload_(new RequestSlot(context, this)),
      coverPhoto_(new PhotoAttachment(context.alerts(), this)), moreTurn_(new ButtonRotation(this))
{
    setQuery(makeFeedQuery(QStringLiteral("my_feed_me.php"), FeedEntry::Listing::OwnProfile));
    coverPhoto_->setSheetTitle(kCoverSheetTitle);
    connect(coverPhoto_, &PhotoAttachment::photoChanged, this,
            &ProfileCenterViewController::coverChanged);
    connect(coverPhoto_, &PhotoAttachment::attached, this,
            &ProfileCenterViewController::uploadCover);
    connect(&context.session(), &Session::defaultUserChanged, this, [this] {
        emit userChanged();
        emit coverChanged();
    });
}

User ProfileCenterViewController::user() const
{
    return context().session().defaultUser().value_or(User());
}

QString ProfileCenterViewController::counters() const
{
    const User me = user();
    return QStringLiteral("人气%1, 访问量%2").arg(me.popularity).arg(me.visitors);
}

QString ProfileCenterViewController::cover() const
{
    return coverPhoto_->hasPhoto() ? coverPhoto_->preview().toString() : user().bander;
}

void ProfileCenterViewController::viewWillAppear(bool animated)
{
    FeedListViewController::viewWillAppear(animated);
    setPopViewShowed(true);
    // Whatever the user did on the screens the menu opened shows at once.
    query()->reload();
}

void ProfileCenterViewController::more()
{
    setPopViewShowed(!popViewShowed_);
}

void ProfileCenterViewController::setPopViewShowed(bool showed)
{
    if (showed)
        moreTurn_->transformBtnWithAngle(kMoreButtonTurnRadians);
    else
        moreTurn_->transformtoOriginalBtn();
    if (showed == popViewShowed_)
        return;
    popViewShowed_ = showed;
    emit popViewShowedChanged();
}

void ProfileCenterViewController::changeCover()
{
    // One cover at a time: a pick while one goes up would be shown and then lost.
    if (coverUpload_->busy() || coverPhoto_->isBusy())
        return;
    coverPhoto_->ask({});
}

void ProfileCenterViewController::uploadCover()
{
    const QVariantMap file{{QStringLiteral("img"), coverPhoto_->data()}};
    const bool sent = coverUpload_->upload(
        kCoverScript, {{QStringLiteral("file"), file}},
        [this](const JSONFetcher &reply) { receivedCover(reply); },
        [this](const JSONFetcher &reply) {
            coverPhoto_->clear();
            coverUpload_->alertFailure(reply);
        });
    if (!sent)
        coverPhoto_->clear();
}

void ProfileCenterViewController::receivedCover(const JSONFetcher &reply)
{
    coverPhoto_->clear();
    const nuvora::json::Value &bander = reply.reply()["bander"];
    // Without an address the server kept nothing the client could show.
    if (!bander.isString() || bander.asString().empty())
        return;
    nuvora::json::Object changes;
    changes.set("bander", bander);
    if (!context().session().updateDefaultUser(context().settings(), changes))
        qCWarning(lcStore) << "the new cover could not be stored";
}

void ProfileCenterViewController::settings()
{
    context().router().openSettings();
}

void ProfileCenterViewController::editInfo()
{
    context().router().openUserInfoEdit();
}

void ProfileCenterViewController::gotoFriendList()
{
    context().router().openFriendList();
}

void ProfileCenterViewController::gotoFavorList()
{
    context().router().openFavorList(user());
}

void ProfileCenterViewController::gotoJoinedPartyList()
{
    context().router().openUserParties(user());
}

void ProfileCenterViewController::gotoNotifyCenter()
{
    context().router().openReminderList();
}

void ProfileCenterViewController::postMood()
{
    context().router().openMoodPost();
}

void ProfileCenterViewController::uploadPicture()
{
    context().router().openPictureUpload();
}

void ProfileCenterViewController::photoAlbum()
{
    context().router().openUserAlbums(user());
}
