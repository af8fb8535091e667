#pragma once
// One message on a party's discussion board.

#include "BoardComment.h"

struct PartyComment : BoardComment {
    Q_GADGET
    Q_PROPERTY(QString prid MEMBER prid)
public:
    PartyComment() = default;
    explicit PartyComment(const nuvora::json::Value &dictionary);

    QString prid; // as sent

    QString recordKey() const { return prid; }
};
