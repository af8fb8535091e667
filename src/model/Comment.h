#pragma once
// What every comment holds, on a club's or a party's board, on a photo or on a mood: the
// kinds differ only in the key their id is sent under, and the screens showing them
// keep this shared part.

#include "api/json/JsonValue.h"

#include <QObject>
#include <QString>

#include <string_view>

struct Comment {
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString content MEMBER content)
    Q_PROPERTY(QString time MEMBER time)
    Q_PROPERTY(QString nickname MEMBER nickname)
    Q_PROPERTY(QString avatar MEMBER avatar)
    Q_PROPERTY(int uid MEMBER uid)
public:
    Comment() = default;
    // `idKey`: the kind's id ("crid", "prid", "mrid"), kept as sent.
    Comment(const nuvora::json::Value &dictionary, std::string_view idKey);

    QString id;
    QString content;
    QString time; // "yyyy-MM-dd HH:mm:ss" as sent
    QString nickname;
    QString avatar; // "avatar" + "!100"; empty when there is no avatar
    int uid = 0;

    QString recordKey() const { return id; }
};

// One message on a club's discussion board.
struct ClubComment : Comment {
    explicit ClubComment(const nuvora::json::Value &d) : Comment(d, "crid") {}
    const QString &crid() const { return id; }
};

// One message on a party's discussion board.
struct PartyComment : Comment {
    explicit PartyComment(const nuvora::json::Value &d) : Comment(d, "prid") {}
    const QString &prid() const { return id; }
};

// A comment on a photo.
struct PictureComment : Comment {
    explicit PictureComment(const nuvora::json::Value &d) : Comment(d, "prid") {}
    const QString &prid() const { return id; }
};

// A comment on a mood.
struct MoodComment : Comment {
    explicit MoodComment(const nuvora::json::Value &d) : Comment(d, "mrid") {}
    const QString &mrid() const { return id; }
};
