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
const QString kReport = QStringLiteral("举报");
const QString kDelete = QStringLiteral("删除");
constexpr int kConfirmIndex = 1;
// The edit sheet lists the destructive button, the others, then cancel.
constexpr int kDeleteItemIndex = 0;
constexpr int kManageCommentsIndex = 1;
} // namespace

CommentPageViewController::CommentPageViewController(AppContext &context, Kind kind, User owner,
                                                     QString itemId, QObject *parent)
    : BLKTableViewController(context, parent), kind_(std::move(kind)), owner_(std::move(owner)),
      itemId_(std::move(itemId)), composer_(new Composer(context, this)),
      editButton_(new ButtonRotation(this)), actionRequest_(new RequestSlot(context, this))
{
    auto request = PagedQuery::listOf<Comment>(
        kind_.commentsScript, kind_.commentsKey,
        [idKey = kind_.commentIdKey.toStdString()](const nuvora::json::Value &element) {
            return Comment(element, idKey);
        });
    request.parameters = [this] { return QVariantMap{{kind_.idParameter, itemId_}}; };
    setQuery(makeQuery<Comment>(std::move(request)));
    composer_->setSend([this](const Composer::Draft &draft) { sendComment(draft); });
    connect(actionRequest_, &RequestSlot::busyChanged, this, &ViewController::busyChanged);
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

bool CommentPageViewController::isActing() const
{
    return actionRequest_->busy();
}

QString CommentPageViewController::commentAge(const QString &time) const
{
    return CommonFunctions::intervalSinceNow(time, QStringLiteral("yyyy-MM-dd HH:mm:ss"),
                                             context().clock().now());
}

void CommentPageViewController::setOwner(const User &owner)
{
    owner_ = owner;
    emit ownerChanged();
}

void CommentPageViewController::viewWillAppear(bool animated)
{
    BLKTableViewController::viewWillAppear(animated);
    composer_->followKeyboard(true);
    // The first page came with the view; later visits (back from the comment form, from
    // a commenter's page) show what was written meanwhile.
    if (appeared_)
        query()->reload();
    appeared_ = true;
}

void CommentPageViewController::viewWillDisappear(bool animated)
{
    composer_->followKeyboard(false);
    BLKTableViewController::viewWillDisappear(animated);
}

std::optional<Comment> CommentPageViewController::commentWithId(const QString &id) const
{
    const int row = query()->rowOf(id);
    return row < 0 ? std::nullopt : records()->recordAt<Comment>(row);
}

void CommentPageViewController::gotoOwnerHomePage()
{
    context().router().openUserHome(owner_);
}

void CommentPageViewController::commenterTapped(const QString &commentId)
{
    const std::optional<Comment> comment = commentWithId(commentId);
    if (!comment)
        return;
    User commenter;
    commenter.userId = comment->uid;
    commenter.nickname = comment->nickname;
    context().router().openUserHome(commenter);
}

void CommentPageViewController::replyToComment(const QString &commentId)
{
    if (const std::optional<Comment> comment = commentWithId(commentId))
        composer_->enterReply({comment->nickname, comment->id});
}

void CommentPageViewController::sendComment(const Composer::Draft &draft)
{
    composer_->dismissKeyboard();
    const QVariantMap parameters{
        {kind_.idParameter, itemId_},
        {QStringLiteral("reply"), draft.reply ? draft.reply->id : QStringLiteral("0")},
        {QStringLiteral("content"), draft.content()}};
    const bool sent = actionRequest_->post(
        kind_.commentScript, parameters,
        [this](const JSONFetcher &reply) {
            context().alerts().showCommonAlert(reply.message(), QString());
            composer_->sendSucceeded();
            query()->reload();
        },
        [this](const JSONFetcher &reply) {
            // The text and the reply it answers stay for another try.
            actionRequest_->alertFailure(reply);
            composer_->sendFailed();
        });
    if (!sent)
        composer_->sendFailed();
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
    confirmReport(kind_.reportQuestion, kind_.reportType, itemId_);
}

void CommentPageViewController::reportComment(const QString &commentId)
{
    if (commentWithId(commentId))
        confirmReport(kCommentReportQuestion, kind_.commentReportType, commentId);
}

void CommentPageViewController::confirmReport(const QString &question, const QString &type,
                                              const QString &id)
{
    if (isActing())
        return;
    context().alerts().showAlert(
        question, kReportMessage, kCancel, {kReport}, 0, this, [this, type, id](int index) {
            if (index != kConfirmIndex)
                return;
            // The server's word is shown whatever it says.
            const auto answer = [this](const JSONFetcher &reply) {
                context().alerts().showCommonAlert(reply.message(), QString());
            };
            actionRequest_->post(kReportScript,
                                 {{QStringLiteral("type"), type},
                                  {QStringLiteral("id"), id},
                                  {QStringLiteral("content"), kReportContent}},
                                 answer, answer);
        });
}

void CommentPageViewController::deleteComment(const QString &commentId)
{
    if (isActing() || !isOwnItem() || !query()->removeRecord(commentId))
        return;
    actionRequest_->post(
        kind_.deleteCommentScript, {{kind_.commentIdKey, commentId}}, [](const JSONFetcher &) {},
        [this](const JSONFetcher &reply) {
            // The row went at once; the server still has it, so the page shows it again.
            actionRequest_->alertFailure(reply);
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
            actionRequest_->post(kind_.deleteScript, {{kind_.idParameter, itemId_}},
                                 [this](const JSONFetcher &reply) {
                                     context().notifications().post(kind_.deletedNotification,
                                                                    itemId_);
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
