#pragma once
// The screen stack: push, pop, pop to root, replace the whole stack, present and
// dismiss one modal screen, calling each controller's lifecycle in a phone's
// order. It owns its controllers; the QML shell mirrors it in a StackView.

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class ViewController;

class NavigationController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject *modalViewController READ modalObject NOTIFY modalChanged)
    Q_PROPERTY(int depth READ depth NOTIFY stackChanged)
    Q_PROPERTY(
        QList<QObject *> viewControllerObjects READ viewControllerObjects NOTIFY stackChanged)
    Q_PROPERTY(bool viewsAttached READ viewsAttached WRITE setViewsAttached)
public:
    explicit NavigationController(QObject *parent = nullptr);
    ~NavigationController() override;

    QList<ViewController *> viewControllers() const { return stack_; }
    ViewController *topViewController() const;
    ViewController *bottomViewController() const;
    // The modal screen when one is shown, else the top of the stack.
    ViewController *visibleViewController() const;
    ViewController *modalViewController() const { return modal_; }
    int depth() const { return int(stack_.size()); }

    // Each takes ownership of the controllers it is given that have no parent yet.
    void pushViewController(ViewController *controller, bool animated);
    void popViewController(bool animated);
    void popToRootViewController(bool animated);
    void setViewControllers(const QList<ViewController *> &controllers, bool animated);
    void presentViewController(ViewController *controller, bool animated);
    void dismissViewController(bool animated);

    // Pops when `controller` is the top screen, dismisses it when it is the modal one.
    void popViewControllerFrom(ViewController *controller, bool animated);

    // With views attached, a removed controller lives until its view released it,
    // so that a view leaving with an animation never loses its controller midway.
    bool viewsAttached() const { return viewsAttached_; }
    void setViewsAttached(bool attached) { viewsAttached_ = attached; }
    QList<QObject *> viewControllerObjects() const;
    Q_INVOKABLE void releaseController(QObject *controller);

signals:
    void pushed(QObject *controller, bool animated);
    // `top` is the new top screen.
    void popped(QObject *top, bool animated);
    void replaced(const QList<QObject *> &controllers, bool animated);
    void presented(QObject *controller, bool animated);
    void dismissed(bool animated);
    void stackChanged();
    void modalChanged();

private:
    QObject *modalObject() const;
    // Runs a stack change now, or after the one under way when a lifecycle call
    // asked for it, so that changes never interleave.
    void perform(std::function<void()> change);
    void adopt(ViewController *controller);
    void retire(ViewController *controller);
    void transition(ViewController *leaving, ViewController *arriving, bool animated,
                    const std::function<void()> &change);

    QList<ViewController *> stack_;
    ViewController *modal_ = nullptr;
    bool viewsAttached_ = false;
    bool changing_ = false;
    std::vector<std::function<void()>> pending_;
};
