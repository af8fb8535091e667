#pragma once
// The base of every screen controller: the context it works in, the stack it is
// on, and the lifecycle calls the navigation stack makes, in a phone's order.

#include <QObject>
#include <QString>

class AppContext;
class NavigationController;

class ViewController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString viewName READ viewName CONSTANT)
    // A request the screen waits on: its view shows the running indicator over an input
    // blocker, so that nothing is pressed twice meanwhile.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
public:
    explicit ViewController(AppContext &context, QObject *parent = nullptr);
    ~ViewController() override;

    AppContext &context() const { return context_; }
    // Whether a stack holds this screen (pushed or presented, and not yet removed).
    bool isOnStack() const { return navigationController_ != nullptr; }
    // Whether this screen is the one the user sees: the modal screen, or else the top of
    // its stack. A hub section kept between visits is not, once the hub is back.
    bool isInFront() const;

    // The QML view drawing this controller: its class name without "Controller"
    // (LaunchingViewController -> LaunchingView).
    virtual QString viewName() const;

    bool isViewLoaded() const { return viewLoaded_; }
    // Whether the screen has been shown before: in viewWillAppear, false on the first visit
    // only.
    bool hasAppeared() const { return appeared_; }

    // Whether the screen turns with the phone; every screen but the photo viewer is
    // portrait only.
    virtual bool followsOrientation() const { return false; }

    virtual bool busy() const { return false; }

    // Pops this screen, animated.
    Q_INVOKABLE void back();

signals:
    void busyChanged();

protected:
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated) { Q_UNUSED(animated) }
    virtual void viewDidAppear(bool animated) { Q_UNUSED(animated) }
    virtual void viewWillDisappear(bool animated) { Q_UNUSED(animated) }
    virtual void viewDidDisappear(bool animated) { Q_UNUSED(animated) }

private:
    friend class NavigationController;
    void loadViewIfNeeded();

    AppContext &context_;
    NavigationController *navigationController_ = nullptr;
    bool viewLoaded_ = false;
    bool appeared_ = false;
};
