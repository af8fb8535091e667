#include "MoodCommentViewController.h"

#include "platform/AppContext.h"
#include "platform/NotificationNames.h"
#include "ui/Router.h"

namespace {

CommentPageViewController::Kind moodKind()
{
    // Comments are reported as their own kind: "photoremark" would name the photo comment
    // that has the same number.
    return {.comments = {.idParameter = QStringLiteral("mid"),
                         .commentsScript = QStringLiteral("mood_remark.php"),
                         .commentsKey = QStringLiteral("moodremarks"),
                         .commentIdKey = QStringLiteral("mrid"),
                         .postScript = QStringLiteral("mood_remark_post.php"),
                         .reportType = QStringLiteral("moodremark")},
            .titleFormat = QStringLiteral("%1的心情"),
            .reportType = QStringLiteral("mood"),
            .reportQuestion = QStringLiteral("是否举报这条心情？"),
            .deleteScript = QStringLiteral("my_mood_del.php"),
            .deleteButton = QStringLiteral("删除心情"),
            .deleteQuestion = QStringLiteral("是否确定要删除此心情"),
            .deleteCommentScript = QStringLiteral("my_moodremark_del.php"),
            .closedNotice = QStringLiteral("心情主人未开放此心情的评论"),
            .deletedNotification = NotificationNames::moodDeleted};
}

} // namespace

MoodCommentViewController::MoodCommentViewController(AppContext &context, const User &owner,
                                                     const Mood &mood, QObject *parent)
    : CommentPageViewController(context, moodKind(), owner, mood.moodid, parent), mood_(mood)
{
}

void MoodCommentViewController::pushCommentForm()
{
    context().router().openMoodCommentForm(owner(), mood_);
}
