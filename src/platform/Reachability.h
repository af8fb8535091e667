#pragma once
// Network reachability from Qt's network information where a backend exists,
// else always reachable. A change is posted as
// "kNetworkReachabilityChangedNotification" with the monitor as payload. The backend
// loads a moment after start, off the way to the first screen.

#include <QObject>

class NotificationCenter;

class Reachability : public QObject {
    Q_OBJECT
public:
    explicit Reachability(NotificationCenter &notifications, QObject *parent = nullptr);

    // Loading the backend pulls in GLib or D-Bus: megabytes and milliseconds that the
    // first screen does not need. Until it has loaded the network counts as reachable.
    static constexpr int kBackendDelayMs = 2000;

    void startNotifier();
    bool isReachable() const { return reachable_; }
    // Reports a change as the platform would (tests).
    void setReachable(bool reachable);

private:
    void loadBackend();

    NotificationCenter &notifications_;
    bool reachable_ = true;
    bool started_ = false;
};
