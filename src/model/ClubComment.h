#pragma once
// One message on a club's discussion board.

#include "BoardComment.h"

struct ClubComment : BoardComment {
    Q_GADGET
    Q_PROPERTY(QString crid MEMBER crid)
public:
    ClubComment() = default;
    explicit ClubComment(const nuvora::json::Value &dictionary);

    QString crid; // as sent

    QString recordKey() const { return crid; }
};
