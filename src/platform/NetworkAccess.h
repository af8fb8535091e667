#pragma once
// The one HTTP client of the process, shared by every request object, and the
// time-out requests get unless they set their own (tests shorten it).

#include <QNetworkAccessManager>
#include <QObject>

class NetworkAccess : public QObject {
    Q_OBJECT
public:
    static constexpr double kDefaultTimeoutSeconds = 20.0;

    explicit NetworkAccess(QObject *parent = nullptr);

    QNetworkAccessManager &manager() { return manager_; }

    double defaultTimeout() const { return defaultTimeout_; }
    void setDefaultTimeout(double seconds) { defaultTimeout_ = seconds; }

private:
    QNetworkAccessManager manager_;
    double defaultTimeout_ = kDefaultTimeoutSeconds;
};
