#include "ClubDiscussViewController.h"

namespace {

CommentThreadViewController::Thread clubBoard()
{
    // Reported as club comments: "partyremark" would name the party comment that has the
    // same number.
    return {.idParameter = QStringLiteral("clid"),
            .commentsScript = QStringLiteral("club_remark.php"),
            .commentsKey = QStringLiteral("clubremarks"),
            .commentIdKey = QStringLiteral("crid"),
            .postScript = QStringLiteral("club_remark_post.php"),
            .reportType = QStringLiteral("clubremark")};
}

} // namespace

ClubDiscussViewController::ClubDiscussViewController(AppContext &context, const Club &club,
                                                     QObject *parent)
    : CommentThreadViewController(context, clubBoard(), QString::number(club.clid), parent),
      club_(club)
{
}
