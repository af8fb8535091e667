#pragma once
// Commenting on another user's photo: "评论%@的照片", its caption quoted.

#include "CommentCommitViewController.h"
#include "model/Picture.h"

#include <QtQml/qqmlregistration.h>

class PictureCommentCommitViewController : public CommentCommitViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
public:
    static inline const QString kScript = QStringLiteral("photo_remark_post.php");

    PictureCommentCommitViewController(AppContext &context, const User &owner,
                                       const Picture &picture, QObject *parent = nullptr);
};
