#include "NotificationCenter.h"

#include <QPointer>

#include <algorithm>

struct NotificationCenter::Entry {
    QObject *observer = nullptr;
    QPointer<QObject> guard;
    Handler handler;
    bool active = true;
};

NotificationCenter::NotificationCenter(QObject *parent) : QObject(parent)
{
}

NotificationCenter::~NotificationCenter()
{
    for (const auto &connection : std::as_const(watched_))
        disconnect(connection);
}

void NotificationCenter::addObserver(QObject *observer, const QString &name, Handler handler)
{
    if (!observer || !handler)
        return;
    auto entry = std::make_shared<Entry>();
    entry->observer = observer;
    entry->guard = observer;
    entry->handler = std::move(handler);
    observers_[name].push_back(std::move(entry));
    if (!watched_.contains(observer)) {
        watched_.insert(observer, connect(observer, &QObject::destroyed, this,
                                          [this, observer] { removeObserver(observer); }));
    }
}

void NotificationCenter::removeObserver(QObject *observer)
{
    forget(observer, nullptr);
}

void NotificationCenter::removeObserver(QObject *observer, const QString &name)
{
    forget(observer, &name);
}

void NotificationCenter::forget(QObject *observer, const QString *name)
{
    bool stillObserving = false;
    for (auto it = observers_.begin(); it != observers_.end();) {
        auto &entries = it.value();
        const bool matchesName = !name || it.key() == *name;
        std::erase_if(entries, [&](const std::shared_ptr<Entry> &entry) {
            if (entry->observer != observer)
                return false;
            if (!matchesName) {
                stillObserving = true;
                return false;
            }
            entry->active = false;
            return true;
        });
        it = entries.empty() ? observers_.erase(it) : std::next(it);
    }
    if (!stillObserving) {
        const auto connection = watched_.take(observer);
        disconnect(connection);
    }
}

void NotificationCenter::post(const QString &name, const QVariant &payload)
{
    const auto found = observers_.constFind(name);
    if (found == observers_.constEnd())
        return;
    // A snapshot, so that observers may add or remove observers while being called.
    const std::vector<std::shared_ptr<Entry>> entries = found.value();
    for (const auto &entry : entries) {
        if (entry->active && entry->guard)
            entry->handler(payload);
    }
}

int NotificationCenter::observerCount(const QString &name) const
{
    const auto found = observers_.constFind(name);
    return found == observers_.constEnd() ? 0 : int(found.value().size());
}
