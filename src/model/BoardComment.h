#pragma once
// What a message on a club's or a party's discussion board holds; the two boards' comments
// differ only in the name of their id.

#include "api/json/JsonValue.h"

#include <QObject>
#include <QString>

struct BoardComment {
    Q_GADGET
    Q_PROPERTY(QString content MEMBER content)
    Q_PROPERTY(QString time MEMBER time)
    Q_PROPERTY(QString nickname MEMBER nickname)
    Q_PROPERTY(QString avatar MEMBER avatar)
    Q_PROPERTY(int uid MEMBER uid)
public:
    BoardComment() = default;
    explicit BoardComment(const nuvora::json::Value &dictionary);

    QString content;
    QString time; // "yyyy-MM-dd HH:mm:ss" as sent
    QString nickname;
    QString avatar; // "avatar" + "!100"; empty when there is no avatar
    int uid = 0;
};
