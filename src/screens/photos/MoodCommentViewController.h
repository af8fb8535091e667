#pragma once
// The page of one mood: the owner's header with the mood's text, and the comments below
// (the comment page's share).

#include "CommentPageViewController.h"
#include "model/Mood.h"

class MoodCommentViewController : public CommentPageViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(Mood mood READ mood CONSTANT)
public:
    MoodCommentViewController(AppContext &context, const User &owner, const Mood &mood,
                              QObject *parent = nullptr);

    const Mood &mood() const { return mood_; }

protected:
    QString itemTime() const override { return mood_.time; }
    bool isClosedToComments() const override { return mood_.isremark == 1; }
    void pushCommentForm() override;

private:
    Mood mood_;
};
