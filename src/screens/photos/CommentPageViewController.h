#pragma once
// What the page of a photo and the page of a mood add to their comments: the owner's
// header, reporting the item, and on the user's own item deleting it or managing its
// comments.

#include "model/User.h"
#include "ui/ButtonRotation.h"
#include "ui/CommentThreadViewController.h"

#include <QtQml/qqmlregistration.h>

class CommentPageViewController : public CommentThreadViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of the photo and mood pages")
    Q_PROPERTY(User owner READ owner NOTIFY ownerChanged)
    Q_PROPERTY(QString title READ title NOTIFY ownerChanged)
    Q_PROPERTY(QString timeLine READ timeLine NOTIFY ownerChanged)
    Q_PROPERTY(bool ownItem READ isOwnItem CONSTANT)
    Q_PROPERTY(ButtonRotation *editButton READ editButton CONSTANT)
    Q_PROPERTY(bool managingComments READ isManagingComments NOTIFY managingCommentsChanged)
public:
    // What tells a photo's page from a mood's on the server and on the screen.
    struct Kind {
        Thread comments;
        QString titleFormat; // "%1的照片"
        QString reportType;  // "photo"
        QString reportQuestion;
        QString deleteScript;
        QString deleteButton; // "删除照片"
        QString deleteQuestion;
        QString deleteCommentScript;
        QString closedNotice;
        QString deletedNotification;
    };

    static inline const QString kManageComments = QStringLiteral("管理评论");

    ~CommentPageViewController() override;

    const User &owner() const { return owner_; }
    QString title() const { return kind_.titleFormat.arg(owner_.nickname); }
    // "%1,距离%2": the item's age and the owner's distance (the age alone without one).
    QString timeLine() const;
    bool isOwnItem() const;
    ButtonRotation *editButton() const { return editButton_; }
    bool isManagingComments() const { return managingComments_; }

    // The view's actions.
    Q_INVOKABLE void gotoOwnerHomePage();
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

    void viewWillAppear(bool animated) override;

private:
    void setManagingComments(bool managing);
    void editSheetAnswered(int index);
    void confirmDeletion();

    Kind kind_;
    User owner_;
    ButtonRotation *editButton_;
    bool managingComments_ = false;
};
