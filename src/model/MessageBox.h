#pragma once
// The summary of one conversation: the other party, the latest message and the
// number of unread messages. One row of the conversation list.

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

struct MessageBox {
    Q_GADGET
    Q_PROPERTY(int senderuid MEMBER senderuid)
    Q_PROPERTY(QString nickname MEMBER nickname)
    Q_PROPERTY(QString avatar MEMBER avatar)
    Q_PROPERTY(QString message MEMBER message)
    Q_PROPERTY(QString time MEMBER time)
    Q_PROPERTY(int count MEMBER count)
public:
    int senderuid = 0; // the other party, whoever wrote the latest message
    QString nickname;
    QString avatar;
    QString message;
    QString time; // local "MM/dd HH:mm" of the latest message
    int count = 0;

    QString recordKey() const { return QString::number(senderuid); }

    // The moment `time` names, in the latest year that puts it at most a day after
    // `now` (the text has no year); none when the text is no such date.
    std::optional<QDateTime> inferredTime(const QDateTime &now) const;
    // Newest first by inferred time, across a new year; equal or unreadable times
    // keep their order, unreadable ones last.
    static QList<MessageBox> sortedNewestFirst(QList<MessageBox> boxes, const QDateTime &now);
};
