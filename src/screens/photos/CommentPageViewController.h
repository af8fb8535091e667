#pragma once
// What the page of a photo and the page of a mood share: the owner's header, the comments
// page by page, commenting and replying from the input bar, reporting the item or a
// comment, and on the user's own item deleting it or managing its comments.

#include "model/Comment.h"
#include "model/User.h"
#include "ui/BLKTableViewController.h"
#include "ui/ButtonRotation.h"
#include "ui/Composer.h"

#include <QtQml/qqmlregistration.h>

class RequestSlot;

class CommentPageViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of the photo and mood pages")
    Q_PROPERTY(User owner READ owner NOTIFY ownerChanged)
    Q_PROPERTY(QString title READ title NOTIFY ownerChanged)
    Q_PROPERTY(QString timeLine READ timeLine NOTIFY ownerChanged)
    Q_PROPERTY(bool ownItem READ isOwnItem CONSTANT)
    Q_PROPERTY(Composer *composer READ composer CONSTANT)
    Q_PROPERTY(ButtonRotation *editButton READ editButton CONSTANT)
    Q_PROPERTY(bool managingComments READ isManagingComments NOTIFY managingCommentsChanged)
public:
    // What tells a photo's page from a mood's on the server and on the screen.
    struct Kind {
        QString titleFormat; // "%1的照片"
        QString idParameter; // "pid"
        QString commentsScript;
        QString commentsKey;
        QString commentIdKey; // "prid"
        QString commentScript;
        QString reportType; // "photo"
        QString commentReportType;
        QString reportQuestion;
        QString deleteScript;
        QString deleteButton; // "删除照片"
        QString deleteQuestion;
        QString deleteCommentScript;
        QString closedNotice;
        QString deletedNotification;
    };

    static inline const QString kReportScript = QStringLiteral("jubao.php");
    static inline const QString kReportContent = QStringLiteral("违法内容");
    static inline const QString kReportMessage =
        QStringLiteral("欢迎举报违规内容, 我们将在核实之后尽快处理");
    static inline const QString kCommentReportQuestion = QStringLiteral("是否举报这条评论？");
    static inline const QString kManageComments = QStringLiteral("管理评论");

    ~CommentPageViewController() override;

    const User &owner() const { return owner_; }
    QString title() const { return kind_.titleFormat.arg(owner_.nickname); }
    // "%1,距离%2": the item's age and the owner's distance (the age alone without one).
    QString timeLine() const;
    bool isOwnItem() const;
    Composer *composer() const { return composer_; }
    ButtonRotation *editButton() const { return editButton_; }
    bool isManagingComments() const { return managingComments_; }
    bool isActing() const;
    bool busy() const override { return isActing(); }

    // How long ago a comment was written, as its row shows it.
    Q_INVOKABLE QString commentAge(const QString &time) const;

    // The view's actions; comments are named by their id, which stays theirs while rows
    // come and go.
    Q_INVOKABLE void gotoOwnerHomePage();
    Q_INVOKABLE void commenterTapped(const QString &commentId);
    Q_INVOKABLE void replyToComment(const QString &commentId);
    Q_INVOKABLE void reportComment(const QString &commentId);
    Q_INVOKABLE void deleteComment(const QString &commentId);
    // The full comment form, unless the owner closed the item to comments.
    Q_INVOKABLE void openCommentForm();
    Q_INVOKABLE void report();
    Q_INVOKABLE void edit();

signals:
    void ownerChanged();
    void managingCommentsChanged();

protected:
    CommentPageViewController(AppContext &context, Kind kind, User owner, QString itemId,
                              QObject *parent);

    // The item's time as sent, and whether its owner closed it to comments.
    virtual QString itemTime() const = 0;
    virtual bool isClosedToComments() const = 0;
    virtual void pushCommentForm() = 0;

    void setOwner(const User &owner);
    const QString &itemId() const { return itemId_; }
    RequestSlot *actionRequest() const { return actionRequest_; }

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    std::optional<Comment> commentWithId(const QString &id) const;
    void sendComment(const Composer::Draft &draft);
    void confirmReport(const QString &question, const QString &type, const QString &id);
    void setManagingComments(bool managing);
    void editSheetAnswered(int index);
    void confirmDeletion();

    Kind kind_;
    User owner_;
    QString itemId_;
    Composer *composer_;
    ButtonRotation *editButton_;
    RequestSlot *actionRequest_;
    bool managingComments_ = false;
    bool appeared_ = false;
};
