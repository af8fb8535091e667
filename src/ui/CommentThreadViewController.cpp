#include "CommentThreadViewController.h"

#include "api/CommonFunctions.h"
#include "model/User.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "ui/RequestSlot.h"
#include "ui/Router.h"

namespace {
const QString kCancel = QStringLiteral("取消");
const QString kReport = QStringLiteral("举报");
constexpr int kConfirmIndex = 1;
} // namespace

CommentThreadViewController::CommentThreadViewController(AppContext &context, Thread thread,
                                                         QString itemId, QObject *parent)
    : BLKTableViewController(context, parent), thread_(std::move(thread)),
      itemId_(std::move(itemId)), composer_(new Composer(context, this)),
      actionRequest_(new RequestSlot(context, this)), reportRequest_(new RequestSlot(context, this))
{
    auto request = PagedQuery::listOf<Comment>(
        thread_.commentsScript, thread_.commentsKey,
        [idKey = thread_.commentIdKey.toStdString()](const nuvora::json::Value &element) {
            return Comment(element, idKey);
        });
    request.parameters = [this] { return QVariantMap{{thread_.idParameter, itemId_}}; };
    setQuery(makeQuery<Comment>(std::move(request)));
    composer_->setSend([this](const Composer::Draft &draft) { sendComment(draft); });
    connect(actionRequest_, &RequestSlot::busyChanged, this, &ViewController::busyChanged);
    connect(reportRequest_, &RequestSlot::busyChanged, this, &ViewController::busyChanged);
}

CommentThreadViewController::~CommentThreadViewController() = default;

bool CommentThreadViewController::isActing() const
{
    return actionRequest_->busy();
}

bool CommentThreadViewController::busy() const
{
    return actionRequest_->busy() || reportRequest_->busy();
}

QString CommentThreadViewController::commentAge(const QString &time) const
{
    return CommonFunctions::intervalSinceNow(time, QStringLiteral("yyyy-MM-dd HH:mm:ss"),
                                             context().clock().now());
}

void CommentThreadViewController::viewWillAppear(bool animated)
{
    BLKTableViewController::viewWillAppear(animated);
    composer_->followKeyboard(true);
}

void CommentThreadViewController::viewWillDisappear(bool animated)
{
    composer_->followKeyboard(false);
    BLKTableViewController::viewWillDisappear(animated);
}

std::optional<Comment> CommentThreadViewController::commentWithId(const QString &id) const
{
    const int row = query()->rowOf(id);
    return row < 0 ? std::nullopt : records()->recordAt<Comment>(row);
}

void CommentThreadViewController::commenterTapped(const QString &commentId)
{
    const std::optional<Comment> comment = commentWithId(commentId);
    if (!comment)
        return;
    User commenter;
    commenter.userId = comment->uid;
    commenter.nickname = comment->nickname;
    context().router().openUserHome(commenter);
}

void CommentThreadViewController::replyToComment(const QString &commentId)
{
    if (const std::optional<Comment> comment = commentWithId(commentId))
        composer_->enterReply({comment->nickname, comment->id});
}

void CommentThreadViewController::sendComment(const Composer::Draft &draft)
{
    composer_->dismissKeyboard();
    const QVariantMap parameters{
        {thread_.idParameter, itemId_},
        {QStringLiteral("reply"), draft.reply ? draft.reply->id : QStringLiteral("0")},
        {QStringLiteral("content"), draft.content()}};
    const bool sent = actionRequest_->post(
        thread_.postScript, parameters,
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

void CommentThreadViewController::reportComment(const QString &commentId)
{
    if (commentWithId(commentId))
        confirmReport(kCommentReportQuestion, thread_.reportType, commentId);
}

void CommentThreadViewController::confirmReport(const QString &question, const QString &type,
                                                const QString &id)
{
    // One report at a time; the question is not asked while one is out.
    if (reportRequest_->busy())
        return;
    context().alerts().showAlert(
        question, kReportMessage, kCancel, {kReport}, 0, this, [this, type, id](int index) {
            if (index != kConfirmIndex)
                return;
            // The server's word is shown whatever it says.
            const auto answer = [this](const JSONFetcher &reply) {
                context().alerts().showCommonAlert(reply.message(), QString());
            };
            reportRequest_->post(kReportScript,
                                 {{QStringLiteral("type"), type},
                                  {QStringLiteral("id"), id},
                                  {QStringLiteral("content"), kReportContent}},
                                 answer, answer);
        });
}
