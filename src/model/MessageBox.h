#pragma once
// The summary of one conversation: the other party, the latest message and the
// number of unread messages. One row of the conversation list.

#include <QString>

struct MessageBox {
    int senderuid = 0; // the other party, whoever wrote the latest message
    QString nickname;
    QString avatar;
    QString message;
    QString time; // local "MM/dd HH:mm" of the latest message
    int count = 0;
};
