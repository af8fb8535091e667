#pragma once
// The base of the forms that post the user's own photo or mood: the user's avatar, the
// length limit with its refusal, and the check box opening the post to comments, which
// starts from the user's setting under `settingsKey`.

#include "ComposerFormViewController.h"

#include <QtQml/qqmlregistration.h>

class PostFormViewController : public ComposerFormViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("the base of the posting forms")
    Q_PROPERTY(int allowComment READ allowComment NOTIFY allowCommentChanged)
    Q_PROPERTY(QString checkBoxImage READ checkBoxImage NOTIFY allowCommentChanged)
public:
    // As sent in "isremark": 0 comments allowed (the box checked), 1 closed.
    int allowComment() const { return allowComment_; }
    QString checkBoxImage() const;

    Q_INVOKABLE void checkBoxTapped();

signals:
    void allowCommentChanged();

protected:
    PostFormViewController(AppContext &context, const QString &settingsKey, qsizetype maxUnits,
                           QObject *parent);

    QString isremark() const { return QString::number(allowComment_); }

private:
    int allowComment_;
};
