#pragma once
// A list screen of the comments on one thing (a photo, a mood, a club's or a party's
// board): the comments page by page, posting and replying from the input bar, the
// commenter's home page, and reporting a comment once the user confirmed it.

#include "model/Comment.h"
#include "ui/BLKTableViewController.h"
#include "ui/Composer.h"

#include <QtQml/qqmlregistration.h>

#include <optional>

class RequestSlot;

class CommentThreadViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of the comment screens")
    Q_PROPERTY(Composer *composer READ composer CONSTANT)
public:
    // Where the comments on one kind of thing live on the server.
    struct Thread {
        QString idParameter;    // "pid", sent with the thing's id
        QString commentsScript; // "photo_remark.php"
        QString commentsKey;    // "photoremarks"
        QString commentIdKey;   // "prid"
        QString postScript;     // "photo_remark_post.php"
        QString reportType;     // "photoremark": names the comment kind to the report
    };

    static inline const QString kReportScript = QStringLiteral("jubao.php");
    static inline const QString kReportContent = QStringLiteral("违法内容");
    static inline const QString kReportMessage =
        QStringLiteral("欢迎举报违规内容, 我们将在核实之后尽快处理");
    static inline const QString kCommentReportQuestion = QStringLiteral("是否举报这条评论？");

    ~CommentThreadViewController() override;

    Composer *composer() const { return composer_; }
    // A post (or an action of the screen's own) is out.
    bool isActing() const;
    bool busy() const override;

    // How long ago a comment was written, as its row shows it.
    Q_INVOKABLE QString commentAge(const QString &time) const;

    // The view's actions; comments are named by their id, which stays theirs while rows
    // come and go.
    Q_INVOKABLE void commenterTapped(const QString &commentId);
    Q_INVOKABLE void replyToComment(const QString &commentId);
    Q_INVOKABLE void reportComment(const QString &commentId);

protected:
    CommentThreadViewController(AppContext &context, Thread thread, QString itemId,
                                QObject *parent);

    const QString &itemId() const { return itemId_; }
    // The slot of posting, shared with the screen's own actions so that one goes at a time.
    RequestSlot *actionRequest() const { return actionRequest_; }
    std::optional<Comment> commentWithId(const QString &id) const;
    // Asks `question`; on "举报" reports `id` as `type`. Reports have a slot of their own,
    // so that neither a page on its way nor a post holds a confirmed report back.
    void confirmReport(const QString &question, const QString &type, const QString &id);

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    void sendComment(const Composer::Draft &draft);

    Thread thread_;
    QString itemId_;
    Composer *composer_;
    RequestSlot *actionRequest_;
    RequestSlot *reportRequest_;
};
