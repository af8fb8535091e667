#include "MoodCommentCommitViewController.h"

MoodCommentCommitViewController::MoodCommentCommitViewController(AppContext &context,
                                                                 const User &owner,
                                                                 const Mood &mood, QObject *parent)
    : CommentCommitViewController(context, owner,
                                  {QStringLiteral("评论%1的心情"), mood.content, mood.time, kScript,
                                   QStringLiteral("mid"), mood.moodid},
                                  parent)
{
}
