#pragma once
// The in-process notification centre: named notifications posted and delivered
// synchronously on the main thread, observers dropped when their QObject dies.

#include <QHash>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

class NotificationCenter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QVariant &payload)>;

    explicit NotificationCenter(QObject *parent = nullptr);
    ~NotificationCenter() override;

    // Observers of one name are called in the order they were added.
    void addObserver(QObject *observer, const QString &name, Handler handler);
    void removeObserver(QObject *observer);
    void removeObserver(QObject *observer, const QString &name);

    // Calls every observer of `name` before returning. An observer removed while
    // the notification is being delivered is not called any more.
    void post(const QString &name, const QVariant &payload = {});

    int observerCount(const QString &name) const;

private:
    struct Entry;
    void forget(QObject *observer, const QString *name);

    QHash<QString, std::vector<std::shared_ptr<Entry>>> observers_;
    QHash<QObject *, QMetaObject::Connection> watched_;
};
