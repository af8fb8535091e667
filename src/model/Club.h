#pragma once
// A night club as the server describes it, with the thumbnail address, the distance
// from the device and the tag line derived once, at construction.

#include "api/json/JsonValue.h"

#include <QGeoCoordinate>
#include <QObject>
#include <QString>
#include <optional>

struct Club {
    Q_GADGET
    Q_PROPERTY(int clid MEMBER clid)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(QString tel MEMBER tel)
    Q_PROPERTY(QString address MEMBER address)
    Q_PROPERTY(QString content MEMBER content)
    Q_PROPERTY(QString img MEMBER img)
    Q_PROPERTY(QString img_big MEMBER img_big)
    Q_PROPERTY(int love MEMBER love)
    Q_PROPERTY(QString distance MEMBER distance)
    Q_PROPERTY(int recommended MEMBER recommended)
    Q_PROPERTY(int favor MEMBER favor)
    Q_PROPERTY(int isfavor MEMBER isfavor)
    Q_PROPERTY(QString tags MEMBER tags)
    Q_PROPERTY(int hezuo MEMBER hezuo)
public:
    static inline const QString kNoContent = QStringLiteral("暂无介绍");
    static inline const QString kUnknownDistance = QStringLiteral("未知");

    Club() = default;
    // A club known only by its id; the detail screen asks the server for the rest.
    static Club withId(int clid);
    // `devicePosition` is the device's latest position, if it has one yet.
    Club(const nuvora::json::Value &dictionary,
         const std::optional<QGeoCoordinate> &devicePosition);

    int clid = 0;
    QString name;
    QString tel; // may hold several numbers separated by blanks
    QString address;
    QString content;
    QString img;     // "img" + "!200"; empty when there is no picture
    QString img_big; // "img" as received
    int love = 0;
    QString distance;
    QGeoCoordinate coordinate{0, 0};
    int recommended = 0;
    int favor = 0;   // how many users like the club
    int isfavor = 0; // 1 when the signed-in user likes it
    QString tags;
    int hezuo = 0; // non-zero for a partner club

    QString recordKey() const { return clid ? QString::number(clid) : QString(); }
    // Whether the club has a position a map can show: a valid coordinate other than 0, 0.
    bool hasPosition() const;

    // "未知" without a usable position on either side, "%dm" up to 1000 m, else "%.2fkm",
    // both from the distance truncated to whole metres.
    static QString distanceText(double latitude, double longitude,
                                const std::optional<QGeoCoordinate> &devicePosition);
    // "标签：" and each tag followed by a blank, or "标签：暂无".
    static QString tagLine(const nuvora::json::Value &dictionary);
};
