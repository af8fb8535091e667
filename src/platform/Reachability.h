#pragma once
// Network reachability from Qt's network information where a backend exists,
// else always reachable. A change is posted as
// "kNetworkReachabilityChangedNotification" with the monitor as payload.

#include <QObject>

class NotificationCenter;

class Reachability : public QObject {
    Q_OBJECT
public:
    explicit Reachability(NotificationCenter &notifications, QObject *parent = nullptr);

    void startNotifier();
    bool isReachable() const { return reachable_; }
    // Reports a change as the platform would (tests).
    void setReachable(bool reachable);

private:
    NotificationCenter &notifications_;
    bool reachable_ = true;
    bool started_ = false;
};
