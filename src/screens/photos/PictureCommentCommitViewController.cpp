#include "PictureCommentCommitViewController.h"

PictureCommentCommitViewController::PictureCommentCommitViewController(AppContext &context,
                                                                       const User &owner,
                                                                       const Picture &picture,
                                                                       QObject *parent)
    : CommentCommitViewController(context, owner,
                                  {QStringLiteral("评论%1的照片"),
                                   QStringLiteral("发表了照片\"%1\"").arg(picture.text),
                                   picture.time, kScript, QStringLiteral("pid"), picture.pid},
                                  parent)
{
}
