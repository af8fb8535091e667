#pragma once
// A short text status a user posted: its id, text, time, and whether it takes comments.

#include "api/json/JsonValue.h"

#include <QObject>
#include <QString>

struct Mood {
    Q_GADGET
    Q_PROPERTY(QString content MEMBER content)
    Q_PROPERTY(QString moodid MEMBER moodid)
    Q_PROPERTY(int isremark MEMBER isremark)
    Q_PROPERTY(QString time MEMBER time)
public:
    Mood() = default;
    explicit Mood(const nuvora::json::Value &dictionary);

    QString content;
    QString moodid;   // as sent
    int isremark = 0; // 1: the author closed the mood to new comments
    QString time;

    QString recordKey() const { return moodid; }
};
