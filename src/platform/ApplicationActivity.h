#pragma once
// Whether the application is in front, as a phone means it. On the desktop a window
// that merely lost focus is still in front; minimised, hidden or quitting is not.
// It follows the running application, or the states a test feeds it.

#include <QObject>
#include <QWindow>

class ApplicationActivity : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool isActive() const { return active_; }

    // Follows the running application's state, its quitting and its window.
    void followApplication(QWindow *window);

    void setApplicationState(Qt::ApplicationState state);
    void setWindowVisibility(QWindow::Visibility visibility);
    void setQuitting();

signals:
    void becameActive();
    void willResignActive();

private:
    void update();

    bool applicationShown_ = true;
    bool windowShown_ = true;
    bool quitting_ = false;
    bool active_ = true;
};
