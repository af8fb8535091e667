#pragma once
// A photo in a user's, club's or party's album or attached to a feed entry, with its
// thumbnail address derived at construction.

#include "api/json/JsonValue.h"

#include <QObject>
#include <QString>

struct Picture {
    Q_GADGET
    Q_PROPERTY(QString pid MEMBER pid)
    Q_PROPERTY(QString img MEMBER img)
    Q_PROPERTY(QString img_big MEMBER img_big)
    Q_PROPERTY(QString text MEMBER text)
    Q_PROPERTY(QString time MEMBER time)
    Q_PROPERTY(int remarkCount MEMBER remarkCount)
    Q_PROPERTY(int iszan MEMBER iszan)
    Q_PROPERTY(int zanCount MEMBER zanCount)
    Q_PROPERTY(int isRemark MEMBER isRemark)
public:
    static inline const QString kNoCaption = QStringLiteral("一张普通的照片");

    Picture() = default;
    explicit Picture(const nuvora::json::Value &dictionary);

    QString pid;     // as sent
    QString img;     // "img" + "!160"; empty when there is no address
    QString img_big; // "img" as received
    QString text;
    QString time;
    int remarkCount = 0;
    int iszan = 0;
    int zanCount = 0;
    int isRemark = 0; // 1 when the owner closed the photo to new comments

    QString recordKey() const { return pid; }
};
