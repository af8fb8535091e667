#pragma once
// What the window's QML binds to: the screen stack, the alert presenter, the
// phone's logical geometry and the view of each controller.

#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "ui/TextMetrics.h"

#include <QHash>
#include <QObject>
#include <QUrl>

#include <QtQml/qqmlregistration.h>

class AppContext;
class QQmlEngine;

class AppShell : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by main")
    Q_PROPERTY(NavigationController *navigation READ navigation CONSTANT)
    Q_PROPERTY(AlertPresenter *alerts READ alerts CONSTANT)
    Q_PROPERTY(int screenWidth READ screenWidth CONSTANT)
    Q_PROPERTY(int screenHeight READ screenHeight CONSTANT)
    Q_PROPERTY(int statusBarHeight READ statusBarHeight CONSTANT)
    Q_PROPERTY(bool turnable READ isTurnable NOTIFY turnableChanged)
public:
    // The phone's logical size in points: a status bar above the content.
    static constexpr int kScreenWidth = 320;
    static constexpr int kScreenHeight = 480;
    static constexpr int kStatusBarHeight = 20;
    // The CJK font every text is drawn with.
    static inline const QString kFontFamily = TextMetrics::kFontFamily;

    explicit AppShell(AppContext &context, QObject *parent = nullptr);

    NavigationController *navigation() const;
    AlertPresenter *alerts() const;
    int screenWidth() const { return kScreenWidth; }
    int screenHeight() const { return kScreenHeight; }
    int statusBarHeight() const { return kStatusBarHeight; }
    // Whether the screen in front turns with the phone; on a desktop the window may then
    // be resized, which stands in for turning the phone.
    bool isTurnable() const { return turnable_; }

    // The QML file of the view named `viewName` (ViewController::viewName).
    Q_INVOKABLE QUrl viewUrl(const QString &viewName) const;

    // Makes the CJK font the application's default.
    static void applyFont();
    // Lets `engine` find the module compiled into the program, wherever it runs from.
    static void configureEngine(QQmlEngine &engine);

signals:
    void turnableChanged();

private:
    void updateTurnable();

    AppContext &context_;
    QHash<QString, QUrl> views_;
    bool turnable_ = false;
};
