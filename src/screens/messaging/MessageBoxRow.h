#pragma once
// One conversation as the conversation list's cell draws it: the other party's
// avatar and nickname, the latest text as shown, and the subtitle: the unread count
// with the time in orange, or the time alone in grey.

#include "model/MessageBox.h"

#include <QColor>
#include <QObject>
#include <QString>

struct MessageBoxRow {
    Q_GADGET
    Q_PROPERTY(int senderuid READ senderuid)
    Q_PROPERTY(QString nickname READ nickname)
    Q_PROPERTY(QString avatar READ avatar)
    Q_PROPERTY(QString message MEMBER message)
    Q_PROPERTY(QString subtitle MEMBER subtitle)
    Q_PROPERTY(QColor subtitleColor MEMBER subtitleColor)
public:
    static inline const QColor kUnreadColor = QColor(255, 128, 37);
    static inline const QColor kReadColor = QColor(0xb0, 0xb0, 0xb8);

    MessageBoxRow() = default;
    // `fillCellWith`.
    explicit MessageBoxRow(const MessageBox &box);

    MessageBox box;
    QString message;
    QString subtitle;
    QColor subtitleColor;

    int senderuid() const { return box.senderuid; }
    QString nickname() const { return box.nickname; }
    QString avatar() const { return box.avatar; }
    QString recordKey() const { return box.recordKey(); }
};
