#include "CommentPageViewController.h"

#include "api/CommonFunctions.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "ui/RequestSlot.h"
#include "ui/Router.h"

#include <numbers>

namespace {
const QString kCancel = QStringLiteral("取消");
const QString kDelete = QStringLiteral("删除");
constexpr int kConfirmIndex = 1;
// The edit sheet lists the destructive button, the others, then cancel.
constexpr int kDeleteItemIndex = 0;
constexpr int kManageCommentsIndex = 1;
} // namespace

CommentPageViewController::CommentPageViewController(AppContext &context, Kind kind, User owner,
                                                     QString itemId, QObject *parent)
    : CommentThreadViewController(context, kind.comments, std::move(itemId), parent),
      kind_(std::move(kind)), owner_(std::move(owner)), editButton_(new ButtonRotation(this))
{
}

CommentPageViewController::~CommentPageViewController() = default;

QString CommentPageViewController::timeLine() const
{
    const QString age = CommonFunctions::intervalSinceNow(
        itemTime(), QStringLiteral("yy-MM-dd HH:mm:ss"), context().clock().now());
    return owner_.distance.isEmpty() ? age : QStringLiteral("%1,距离%2").arg(age, owner_.distance);
}

bool CommentPageViewController::isOwnItem() const
{
    return owner_.userId != 0 && owner_.userId == context().session().userId();
}

void CommentPageViewController::setOwner(const User &owner)
{
    owner_ = owner;
    emit ownerChanged();
}

void CommentPageViewController::viewWillAppear(bool animated)
{
    CommentThreadViewController::viewWillAppear(animated);
    // The first page came with the view; later visits (back from the comment form, from
    // a commenter's page) show what was written meanwhile.
    if (hasAppeared())
        query()->reload();
}

void CommentPageViewController::gotoOwnerHomePage()
{
    context().router().openUserHome(owner_);
}

void CommentPageViewController::openCommentForm()
{
    if (isClosedToComments())
        context().alerts().showCommonAlert(kind_.closedNotice, QString());
    else
        pushCommentForm();
}

void CommentPageViewController::report()
{
    confirmReport(kind_.reportQuestion, kind_.reportType, itemId());
}

void CommentPageViewController::deleteComment(const QString &commentId)
{
    if (isActing() || !isOwnItem() || !query()->removeRecord(commentId))
        return;
    actionRequest()->post(
        kind_.deleteCommentScript, {{kind_.comments.commentIdKey, commentId}},
        [](const JSONFetcher &) {},
        [this](const JSONFetcher &reply) {
            // The row went at once; the server still has it, so the page shows it again.
            actionRequest()->alertFailure(reply);
            query()->reload();
        });
}

void CommentPageViewController::edit()
{
    if (managingComments_) {
        editButton_->transformtoOriginalBtn();
        setManagingComments(false);
        return;
    }
    editButton_->transformBtnWithAngle(std::numbers::pi / 2);
    context().alerts().showActionSheet(QString(), kCancel, kind_.deleteButton, {kManageComments},
                                       this, [this](int index) { editSheetAnswered(index); });
}

void CommentPageViewController::editSheetAnswered(int index)
{
    if (index == kManageCommentsIndex) {
        setManagingComments(true);
        return;
    }
    editButton_->transformtoOriginalBtn();
    if (index == kDeleteItemIndex)
        confirmDeletion();
}

void CommentPageViewController::confirmDeletion()
{
    context().alerts().showAlert(
        kind_.deleteQuestion, QString(), kCancel, {kDelete}, 0, this, [this](int index) {
            if (index != kConfirmIndex || isActing())
                return;
            actionRequest()->post(kind_.deleteScript, {{kind_.comments.idParameter, itemId()}},
                                  [this](const JSONFetcher &reply) {
                                      context().notifications().post(kind_.deletedNotification,
                                                                     itemId());
                                      context().alerts().showAlert(reply.message(), QString(),
                                                                   AlertPresenter::kOkButton, {}, 0,
                                                                   this, [this](int) { back(); });
                                  });
        });
}

void CommentPageViewController::setManagingComments(bool managing)
{
    if (managing == managingComments_)
        return;
    managingComments_ = managing;
    emit managingCommentsChanged();
}
