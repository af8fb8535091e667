#pragma once
// The client's real window for view tests: Main.qml loaded with its shell, every
// warning of Qt Quick and QML collected while it is open (the engine's, and the ones Qt
// logs past the engine: binding loops, the style), screenshots saved under screenshots/
// beside the test.

#include "app/AppShell.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMutex>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <memory>

class PhoneWindow {
public:
    // Loads the window; the caller checks `window()` (QtTest's checks cannot
    // return from a constructor).
    explicit PhoneWindow(AppShell &shell)
    {
        // The engine's warnings reach the handler through the message log.
        collector_ = this;
        previousHandler_ = qInstallMessageHandler(&PhoneWindow::collect);
        AppShell::configureEngine(*engine_);
        engine_->setOutputWarningsToStandardError(true);
        engine_->setInitialProperties({{"shell", QVariant::fromValue(&shell)}});
        engine_->load(QUrl(QStringLiteral("qrc:/Nuvora/qml/app/Main.qml")));
        if (engine_->rootObjects().size() == 1)
            window_ = qobject_cast<QQuickWindow *>(engine_->rootObjects().first());
    }

    ~PhoneWindow() { stopCollecting(); }

    // Unloads the window and fails the running test on any warning given while it was
    // open or while it went.
    void close()
    {
        window_ = nullptr;
        engine_.reset();
        stopCollecting();
        QVERIFY2(warnings().isEmpty(), qPrintable(warningText()));
    }

    QQuickWindow *window() const { return window_; }
    QStringList warnings() const
    {
        QMutexLocker lock(&mutex_);
        return warnings_;
    }
    QString warningText() const { return warnings().join(QLatin1Char('\n')); }

    // Waits until no screen slides in or out; false when that did not happen in time.
    bool waitUntilIdle() const
    {
        auto *stack =
            window_ ? window_->findChild<QQuickItem *>(QStringLiteral("screenStack")) : nullptr;
        auto *blocker = window_
                            ? window_->findChild<QQuickItem *>(QStringLiteral("transitionBlocker"))
                            : nullptr;
        return stack && blocker && QTest::qWaitFor([&] {
                   return !stack->property("busy").toBool() && !blocker->isVisible();
               });
    }

    // Waits until no screen slides and the picture has stayed the same for a few frames
    // (animations ended, images drawn); false when that did not happen in time.
    bool waitUntilStill() const
    {
        if (!waitUntilIdle())
            return false;
        QImage last;
        QElapsedTimer unchanged;
        return QTest::qWaitFor([&] {
            const QImage now = window_->grabWindow();
            if (now != last) {
                last = now;
                unchanged.start();
            }
            return unchanged.elapsed() >= kStillMs;
        });
    }

    // Grabs the window into screenshots/<name>.png; false when that failed.
    bool saveScreenshot(const QString &name) const
    {
        QDir shots(QCoreApplication::applicationDirPath());
        shots.mkpath(QStringLiteral("screenshots"));
        const QImage image = window_ ? window_->grabWindow() : QImage();
        return !image.isNull()
               && image.save(
                   shots.filePath(QStringLiteral("screenshots/") + name + QStringLiteral(".png")));
    }

private:
    static constexpr int kStillMs = 100;

    // Qt Quick's and QML's own categories, and the messages Qt logs in the default one
    // for a QML file or a Quick type.
    static bool fromQtQuick(const QMessageLogContext &context, const QString &message)
    {
        const QByteArray category(context.category ? context.category : "");
        if (category.startsWith("qt.qml") || category.startsWith("qt.quick"))
            return true;
        if (category != "default" && category != "qml" && category != "js")
            return false;
        const QByteArray file(context.file ? context.file : "");
        if (file.endsWith(".qml") || file.startsWith("qrc:") || file.startsWith("file:"))
            return true;
        for (const char *marker : {"QQuick", "QQml", "Qt Quick", ".qml:"}) {
            if (message.contains(QLatin1String(marker)))
                return true;
        }
        return false;
    }

    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtDebugMsg && type != QtInfoMsg && fromQtQuick(context, message)) {
            QMutexLocker lock(&mutex_);
            if (collector_)
                collector_->warnings_ << message;
        }
        previousHandler_(type, context, message);
    }

    void stopCollecting()
    {
        QMutexLocker lock(&mutex_);
        if (collector_ != this)
            return;
        collector_ = nullptr;
        qInstallMessageHandler(previousHandler_);
    }

    static inline QMutex mutex_;
    static inline PhoneWindow *collector_ = nullptr;
    static inline QtMessageHandler previousHandler_ = nullptr;

    std::unique_ptr<QQmlApplicationEngine> engine_ = std::make_unique<QQmlApplicationEngine>();
    QQuickWindow *window_ = nullptr;
    QStringList warnings_;
};
