#pragma once
// A club's discussion board: its comments page by page, posting and replying from the
// input bar, and reporting a comment.

#include "model/Club.h"
#include "ui/CommentThreadViewController.h"

class ClubDiscussViewController : public CommentThreadViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(Club club READ club CONSTANT)
public:
    ClubDiscussViewController(AppContext &context, const Club &club, QObject *parent = nullptr);

    const Club &club() const { return club_; }

private:
    Club club_;
};
