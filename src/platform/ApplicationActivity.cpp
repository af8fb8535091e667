#include "ApplicationActivity.h"

#include <QGuiApplication>

void ApplicationActivity::followApplication(QWindow *window)
{
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            &ApplicationActivity::setApplicationState);
    connect(qGuiApp, &QGuiApplication::aboutToQuit, this, &ApplicationActivity::setQuitting);
    setApplicationState(QGuiApplication::applicationState());
    if (window) {
        connect(window, &QWindow::visibilityChanged, this,
                &ApplicationActivity::setWindowVisibility);
        setWindowVisibility(window->visibility());
    }
}

void ApplicationActivity::setApplicationState(Qt::ApplicationState state)
{
    // Qt::ApplicationInactive is only a loss of focus on the desktop.
    applicationShown_ = state == Qt::ApplicationActive || state == Qt::ApplicationInactive;
    update();
}

void ApplicationActivity::setWindowVisibility(QWindow::Visibility visibility)
{
    windowShown_ = visibility != QWindow::Hidden && visibility != QWindow::Minimized;
    update();
}

void ApplicationActivity::setQuitting()
{
    quitting_ = true;
    update();
}

void ApplicationActivity::update()
{
    const bool active = applicationShown_ && windowShown_ && !quitting_;
    if (active == active_)
        return;
    active_ = active;
    if (active)
        emit becameActive();
    else
        emit willResignActive();
}
