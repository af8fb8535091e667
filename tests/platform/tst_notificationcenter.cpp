// The notification centre: synchronous delivery in registration order, and no
// call ever reaches an observer that was removed or destroyed.

#include "platform/NotificationCenter.h"

#include <QTest>

class tst_NotificationCenter : public QObject {
    Q_OBJECT
private slots:
    void deliversSynchronouslyInOrderWithPayload();
    void removesObserversByNameAndEntirely();
    void destroyedObserverIsNeverCalled();
    void removalDuringDeliveryTakesEffectAtOnce();
};

void tst_NotificationCenter::deliversSynchronouslyInOrderWithPayload()
{
    NotificationCenter center;
    QObject first, second;
    QStringList calls;
    QVariant seen;
    center.addObserver(&first, QStringLiteral("nvpartypushnotification"), [&](const QVariant &p) {
        calls << QStringLiteral("first");
        seen = p;
    });
    center.addObserver(&second, QStringLiteral("nvpartypushnotification"),
                       [&](const QVariant &) { calls << QStringLiteral("second"); });
    center.addObserver(&second, QStringLiteral("other"),
                       [&](const QVariant &) { calls << "other"; });

    center.post(QStringLiteral("nvpartypushnotification"), QVariantMap{{"pid", 15}});
    QCOMPARE(calls, QStringList({"first", "second"}));
    QCOMPARE(seen.toMap().value("pid").toInt(), 15);
    center.post(QStringLiteral("nobody"));
    QCOMPARE(calls.size(), 2);
}

void tst_NotificationCenter::removesObserversByNameAndEntirely()
{
    NotificationCenter center;
    QObject observer;
    int a = 0, b = 0;
    center.addObserver(&observer, "a", [&](const QVariant &) { ++a; });
    center.addObserver(&observer, "b", [&](const QVariant &) { ++b; });
    center.removeObserver(&observer, "a");
    center.post("a");
    center.post("b");
    QCOMPARE(a, 0);
    QCOMPARE(b, 1);
    center.removeObserver(&observer);
    center.post("b");
    QCOMPARE(b, 1);
    QCOMPARE(center.observerCount("b"), 0);
}

void tst_NotificationCenter::destroyedObserverIsNeverCalled()
{
    NotificationCenter center;
    int calls = 0;
    {
        QObject observer;
        center.addObserver(&observer, "n", [&](const QVariant &) { ++calls; });
        QCOMPARE(center.observerCount("n"), 1);
    }
    QCOMPARE(center.observerCount("n"), 0);
    center.post("n");
    QCOMPARE(calls, 0);
}

void tst_NotificationCenter::removalDuringDeliveryTakesEffectAtOnce()
{
    NotificationCenter center;
    QObject first;
    auto *second = new QObject;
    int secondCalls = 0, laterCalls = 0;
    center.addObserver(&first, "n", [&](const QVariant &) { delete second; });
    center.addObserver(second, "n", [&](const QVariant &) { ++secondCalls; });
    // An observer added while delivering waits for the next post.
    center.addObserver(&first, "m", [&](const QVariant &) {
        center.addObserver(&first, "m", [&](const QVariant &) { ++laterCalls; });
    });
    center.post("n");
    QCOMPARE(secondCalls, 0);
    center.post("m");
    QCOMPARE(laterCalls, 0);
    center.post("m");
    QCOMPARE(laterCalls, 1);
}

QTEST_GUILESS_MAIN(tst_NotificationCenter)
#include "tst_notificationcenter.moc"
