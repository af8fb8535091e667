#pragma once
// Commenting on another user's mood: "评论%@的心情", the mood's text shown.

#include "CommentCommitViewController.h"
#include "model/Mood.h"

#include <QtQml/qqmlregistration.h>

class MoodCommentCommitViewController : public CommentCommitViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
public:
    static inline const QString kScript = QStringLiteral("mood_remark_post.php");

    MoodCommentCommitViewController(AppContext &context, const User &owner, const Mood &mood,
                                    QObject *parent = nullptr);
};
