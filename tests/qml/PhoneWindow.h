#pragma once
// The client's real window for view tests: Main.qml loaded with its shell, every
// QML warning collected, screenshots saved under screenshots/ beside the test.

#include "app/AppShell.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
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
        AppShell::configureEngine(*engine_);
        engine_->setOutputWarningsToStandardError(true);
        QObject::connect(engine_.get(), &QQmlEngine::warnings, engine_.get(),
                         [this](const QList<QQmlError> &errors) {
                             for (const QQmlError &error : errors)
                                 warnings_ << error.toString();
                         });
        engine_->setInitialProperties({{"shell", QVariant::fromValue(&shell)}});
        engine_->load(QUrl(QStringLiteral("qrc:/Nuvora/qml/app/Main.qml")));
        if (engine_->rootObjects().size() == 1)
            window_ = qobject_cast<QQuickWindow *>(engine_->rootObjects().first());
    }

    // Unloads the window; warnings given while it goes are kept.
    void close()
    {
        window_ = nullptr;
        engine_.reset();
    }

    QQuickWindow *window() const { return window_; }
    const QStringList &warnings() const { return warnings_; }
    QString warningText() const { return warnings_.join(QLatin1Char('\n')); }

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
    std::unique_ptr<QQmlApplicationEngine> engine_ = std::make_unique<QQmlApplicationEngine>();
    QQuickWindow *window_ = nullptr;
    QStringList warnings_;
};
