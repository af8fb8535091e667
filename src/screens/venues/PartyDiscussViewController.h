#pragma once
// A party's discussion board: its comments page by page, posting and replying from the
// input bar, and reporting a comment.

#include "model/Party.h"
#include "ui/CommentThreadViewController.h"

class PartyDiscussViewController : public CommentThreadViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(Party party READ party CONSTANT)
public:
    PartyDiscussViewController(AppContext &context, const Party &party, QObject *parent = nullptr);

    const Party &party() const { return party_; }

private:
    Party party_;
};
