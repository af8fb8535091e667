#pragma once
// A party held at a club as the server describes it, with the thumbnail address and
// the time line derived once, at construction.

#include "api/json/JsonValue.h"

#include <QDateTime>
#include <QObject>
#include <QString>

struct Party {
    Q_GADGET
    Q_PROPERTY(int pid MEMBER pid)
    Q_PROPERTY(int uid MEMBER uid)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString content MEMBER content)
    Q_PROPERTY(QString cid MEMBER cid)
    Q_PROPERTY(QString price MEMBER price)
    Q_PROPERTY(QString img MEMBER img)
    Q_PROPERTY(QString img_big MEMBER img_big)
    Q_PROPERTY(QString displayTime MEMBER displayTime)
    Q_PROPERTY(QString addr MEMBER addr)
    Q_PROPERTY(int count MEMBER count)
    Q_PROPERTY(QString tel MEMBER tel)
    Q_PROPERTY(int favor MEMBER favor)
    Q_PROPERTY(int isfavor MEMBER isfavor)
    Q_PROPERTY(int isjoin MEMBER isjoin)
    Q_PROPERTY(int joininfo MEMBER joininfo)
public:
    static inline const QString kNoContent = QStringLiteral("没有描述~");
    // The sign-up mode that takes one tap; any other asks for the form.
    static constexpr int kOneTapJoin = 1;

    Party() = default;
    // A party known only by its id (and the default description); the detail screen asks
    // the server for the rest.
    static Party withId(int pid);
    explicit Party(const nuvora::json::Value &dictionary);

    int pid = 0;
    int uid = 0;
    QString title;
    QString content;
    QString cid;
    QString price;
    QString img;     // "img" + "!200"; empty when there is no picture
    QString img_big; // "img" as received
    QString displayTime;
    QDateTime endTime; // local wall time of "ptimeend"; invalid when it does not read as one
    QString addr;
    int count = 0; // people signed up
    QString tel;   // may hold several numbers separated by blanks
    int favor = 0;
    int isfavor = 0;
    int isjoin = 0;
    int joininfo = 0;

    QString recordKey() const { return pid ? QString::number(pid) : QString(); }
    bool joinsWithOneTap() const { return joininfo == kOneTapJoin; }
    bool hasEnded(const QDateTime &now) const { return endTime.isValid() && endTime < now; }

    // "时间：MM月dd日 HH:mm~MM月dd日 HH:mm" of two "yyyy-MM-dd HH:mm:ss" wall times;
    // empty when either does not read as one.
    static QString timeLine(const QString &start, const QString &end);
};
