#pragma once
// The base of the forms commenting on another user's photo or mood: who posted it and
// when, what it says, and the comment, sent as typed. The server's message confirms it,
// and the form closes. Both kinds share one view, CommentCommitView.

#include "ComposerFormViewController.h"
#include "model/User.h"

#include <QtQml/qqmlregistration.h>

class CommentCommitViewController : public ComposerFormViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("the base of the comment forms")
    Q_PROPERTY(QString title READ title CONSTANT)
    Q_PROPERTY(QString timeLine READ timeLine CONSTANT)
    Q_PROPERTY(QString content READ content CONSTANT)
public:
    const User &owner() const { return owner_; }
    QString title() const { return title_; }
    // "nickname, time", the time as the server sent it.
    QString timeLine() const;
    QString content() const { return content_; }

    QString viewName() const override { return QStringLiteral("CommentCommitView"); }

protected:
    // What is commented on: the script the comment goes to, with `idKey` = `id`.
    struct Target {
        QString titleFormat; // "%1" is the owner's nickname
        QString content;
        QString time;
        QString script;
        QString idKey;
        QString id;
    };

    CommentCommitViewController(AppContext &context, const User &owner, Target target,
                                QObject *parent);

    void commit(const Composer::Draft &draft) override;

private:
    User owner_;
    QString title_;
    QString content_;
    Target target_;
};
