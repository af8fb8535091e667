#include "Reachability.h"

#include "LogCategories.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"

#include <QNetworkInformation>
#include <QTimer>

Reachability::Reachability(NotificationCenter &notifications, QObject *parent)
    : QObject(parent), notifications_(notifications)
{
}

void Reachability::startNotifier()
{
    if (started_)
        return;
    started_ = true;
    QTimer::singleShot(kBackendDelayMs, this, &Reachability::loadBackend);
}

void Reachability::loadBackend()
{
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        qCInfo(lcPlatform) << "no network information backend; the network counts as reachable";
        return;
    }
    auto *information = QNetworkInformation::instance();
    // Only a known disconnection counts as unreachable; an unknown state does not.
    auto isReachable = [](QNetworkInformation::Reachability state) {
        return state != QNetworkInformation::Reachability::Disconnected;
    };
    reachable_ = isReachable(information->reachability());
    connect(information, &QNetworkInformation::reachabilityChanged, this,
            [this, isReachable](QNetworkInformation::Reachability state) {
                setReachable(isReachable(state));
            });
}

void Reachability::setReachable(bool reachable)
{
    if (reachable == reachable_)
        return;
    reachable_ = reachable;
    notifications_.post(NotificationNames::reachabilityChanged,
                        QVariant::fromValue<QObject *>(this));
}
