#pragma once
// A photo in a user's, club's or party's album or in a feed entry: its ids, caption,
// counters and the thumbnail and full-size addresses.

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
    static inline const QString kDefaultCaption = QStringLiteral("一张普通的照片");

    Picture() = default;
    explicit Picture(const nuvora::json::Value &dictionary);
    // A picture known only by its full-size address (an avatar shown in the viewer).
    static Picture withAddress(const QString &address);

    QString pid;
    QString img;     // "img" + "!160"; empty when there is no address
    QString img_big; // "img" as received
    QString text;
    QString time;
    int remarkCount = 0;
    int iszan = 0;
    int zanCount = 0;
    int isRemark = 0; // 1: the owner closed the photo to new comments

    QString recordKey() const { return pid; }
};
