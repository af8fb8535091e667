#include "PictureCommentViewController.h"

#include "model/JsonFields.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/RequestSlot.h"
#include "ui/Router.h"
#include "ui/SDWebImageManager.h"

namespace {

CommentPageViewController::Kind photoKind()
{
    return {.comments = {.idParameter = QStringLiteral("pid"),
                         .commentsScript = QStringLiteral("photo_remark.php"),
                         .commentsKey = QStringLiteral("photoremarks"),
                         .commentIdKey = QStringLiteral("prid"),
                         .postScript = QStringLiteral("photo_remark_post.php"),
                         .reportType = QStringLiteral("photoremark")},
            .titleFormat = QStringLiteral("%1的照片"),
            .reportType = QStringLiteral("photo"),
            .reportQuestion = QStringLiteral("是否举报这张照片？"),
            .deleteScript = QStringLiteral("my_photo_del.php"),
            .deleteButton = QStringLiteral("删除照片"),
            .deleteQuestion = QStringLiteral("是否确定要删除此照片"),
            .deleteCommentScript = QStringLiteral("my_photoremark_del.php"),
            .closedNotice = QStringLiteral("照片主人未开放此照片的评论"),
            .deletedNotification = NotificationNames::pictureDeleted};
}

} // namespace

PictureCommentViewController::PictureCommentViewController(AppContext &context, const User &owner,
                                                           const Picture &picture, QObject *parent)
    : CommentPageViewController(context, photoKind(), owner, picture.pid, parent),
      picture_(picture), ownerRequest_(new RequestSlot(context, this)),
      showRequest_(new RequestSlot(context, this))
{
}

PictureCommentViewController::~PictureCommentViewController() = default;

void PictureCommentViewController::viewDidLoad()
{
    CommentPageViewController::viewDidLoad();
    if (owner().avatar.isEmpty())
        fetchOwner();
    fetchLikeState();
    downloadImage();
}

void PictureCommentViewController::fetchOwner()
{
    ownerRequest_->post(kHomeScript, {{QStringLiteral("uid"), QString::number(owner().userId)}},
                        [this](const JSONFetcher &reply) {
                            const nuvora::json::Value &user =
                                JsonFields::child(reply.reply(), "user");
                            User known = owner();
                            known.avatar = JsonFields::imageVariant(user, "avatar", "!100");
                            known.nickname = JsonFields::text(user, "nickname");
                            setOwner(known);
                        });
}

void PictureCommentViewController::fetchLikeState()
{
    // Without an answer the page keeps the state the opener knew; no alert for it.
    showRequest_->post(
        kShowScript, {{QStringLiteral("pid"), picture_.pid}},
        [this](const JSONFetcher &reply) {
            picture_.iszan = JsonFields::integer(reply.reply(), "iszan");
            emit pictureChanged();
        },
        [](const JSONFetcher &) {});
}

void PictureCommentViewController::downloadImage()
{
    if (!context().hasImageManager())
        return;
    context().imageManager().downloadWithURL(
        picture_.img_big, this, [this](const QImage &image, const QString &) {
            if (image.isNull() || image.width() <= 0) {
                context().alerts().showCommonAlert(kImageFailed, QString());
                return;
            }
            imageHeight_ = kImageWidth * image.height() / image.width();
            emit imageHeightChanged();
        });
}

void PictureCommentViewController::zan()
{
    like(kZanScript, true);
}

void PictureCommentViewController::cancelZan()
{
    like(kCancelZanScript, false);
}

void PictureCommentViewController::like(const QString &script, bool liked)
{
    if (isActing() || (picture_.iszan == 1) == liked)
        return;
    actionRequest()->post(script, {{QStringLiteral("pid"), picture_.pid}},
                          [this, liked](const JSONFetcher &reply) {
                              context().alerts().showAutoHiddenNotice(reply.message());
                              picture_.iszan = liked ? 1 : 0;
                              picture_.zanCount = std::max(0, picture_.zanCount + (liked ? 1 : -1));
                              emit pictureChanged();
                              context().notifications().post(NotificationNames::pictureChanged,
                                                             QVariant::fromValue(picture_));
                          });
}

void PictureCommentViewController::showPhoto()
{
    if (imageHeight_ > 0)
        context().router().openPhotoViewer({picture_.img_big}, 0);
}

void PictureCommentViewController::pushCommentForm()
{
    context().router().openPictureCommentForm(owner(), picture_);
}
