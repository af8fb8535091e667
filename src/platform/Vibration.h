#pragma once
// The vibration of a received chat message. A desktop has no motor, so it is
// counted and announced; tests read the count.

#include <QObject>

class Vibration : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void vibrate();
    int count() const { return count_; }

signals:
    void vibrated();

private:
    int count_ = 0;
};
