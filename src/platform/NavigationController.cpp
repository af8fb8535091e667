#include "NavigationController.h"

#include "LogCategories.h"
#include "ViewController.h"

NavigationController::NavigationController(QObject *parent) : QObject(parent)
{
}

NavigationController::~NavigationController() = default;

ViewController *NavigationController::topViewController() const
{
    return stack_.isEmpty() ? nullptr : stack_.last();
}

ViewController *NavigationController::bottomViewController() const
{
    return stack_.isEmpty() ? nullptr : stack_.first();
}

QList<QObject *> NavigationController::viewControllerObjects() const
{
    QList<QObject *> objects;
    for (ViewController *controller : stack_)
        objects.append(controller);
    return objects;
}

QObject *NavigationController::modalObject() const
{
    return modal_;
}

ViewController *NavigationController::visibleViewController() const
{
    return modal_ ? modal_ : topViewController();
}

void NavigationController::perform(std::function<void()> change)
{
    pending_.push_back(std::move(change));
    if (changing_)
        return;
    changing_ = true;
    while (!pending_.empty()) {
        const auto next = std::move(pending_.front());
        pending_.erase(pending_.begin());
        next();
        if (ViewController *top = visibleViewController())
            qCInfo(lcUi) << "showing" << top->metaObject()->className();
    }
    changing_ = false;
}

// A screen another object keeps between visits (the hub's sections) stays its own.
void NavigationController::adopt(ViewController *controller)
{
    if (!controller->parent())
        controller->setParent(this);
    controller->navigationController_ = this;
}

void NavigationController::retire(ViewController *controller)
{
    controller->navigationController_ = nullptr;
    if (!viewsAttached_ && controller->parent() == this)
        controller->deleteLater();
}

void NavigationController::releaseController(QObject *controller)
{
    auto *viewController = qobject_cast<ViewController *>(controller);
    if (viewController && viewController->parent() == this && !stack_.contains(viewController)
        && modal_ != viewController)
        viewController->deleteLater();
}

// The order of a phone's stack: the leaving screen hears it will disappear, the
// arriving one that it will appear; after the change the same in the past tense.
void NavigationController::transition(ViewController *leaving, ViewController *arriving,
                                      bool animated, const std::function<void()> &change)
{
    if (leaving == arriving)
        leaving = arriving = nullptr;
    if (arriving)
        arriving->loadViewIfNeeded();
    if (leaving)
        leaving->viewWillDisappear(animated);
    if (arriving)
        arriving->viewWillAppear(animated);
    change();
    if (leaving)
        leaving->viewDidDisappear(animated);
    if (arriving) {
        arriving->viewDidAppear(animated);
        arriving->appeared_ = true;
    }
}

void NavigationController::pushViewController(ViewController *controller, bool animated)
{
    if (!controller || stack_.contains(controller))
        return;
    adopt(controller);
    perform([=, this] {
        transition(topViewController(), controller, animated, [&] {
            stack_.append(controller);
            emit pushed(controller, animated);
            emit stackChanged();
        });
    });
}

void NavigationController::popViewController(bool animated)
{
    perform([=, this] {
        if (stack_.size() < 2)
            return;
        ViewController *leaving = stack_.last();
        transition(leaving, stack_.at(stack_.size() - 2), animated, [&] {
            stack_.removeLast();
            emit popped(topViewController(), animated);
            emit stackChanged();
        });
        retire(leaving);
    });
}

void NavigationController::popToRootViewController(bool animated)
{
    perform([=, this] {
        if (stack_.size() < 2)
            return;
        const QList<ViewController *> leaving = stack_.mid(1);
        transition(leaving.last(), stack_.first(), animated, [&] {
            stack_ = {stack_.first()};
            emit popped(topViewController(), animated);
            emit stackChanged();
        });
        for (ViewController *controller : leaving)
            retire(controller);
    });
}

void NavigationController::setViewControllers(const QList<ViewController *> &controllers,
                                              bool animated)
{
    for (ViewController *controller : controllers)
        adopt(controller);
    perform([=, this] {
        const QList<ViewController *> previous = stack_;
        ViewController *arriving = controllers.isEmpty() ? nullptr : controllers.last();
        transition(topViewController(), arriving, animated, [&] {
            stack_ = controllers;
            emit replaced(viewControllerObjects(), animated);
            emit stackChanged();
        });
        for (ViewController *controller : previous) {
            if (!controllers.contains(controller))
                retire(controller);
        }
    });
}

void NavigationController::presentViewController(ViewController *controller, bool animated)
{
    if (!controller)
        return;
    adopt(controller);
    perform([=, this] {
        // One modal screen at a time; a refused one is deleted only when it was ours.
        if (modal_) {
            if (controller != modal_ && !stack_.contains(controller)) {
                controller->navigationController_ = nullptr;
                if (controller->parent() == this)
                    controller->deleteLater();
            }
            return;
        }
        transition(topViewController(), controller, animated, [&] {
            modal_ = controller;
            emit presented(controller, animated);
            emit modalChanged();
        });
    });
}

void NavigationController::dismissViewController(bool animated)
{
    perform([=, this] {
        if (!modal_)
            return;
        ViewController *leaving = modal_;
        transition(leaving, topViewController(), animated, [&] {
            modal_ = nullptr;
            emit dismissed(animated);
            emit modalChanged();
        });
        retire(leaving);
    });
}

void NavigationController::popViewControllerFrom(ViewController *controller, bool animated)
{
    if (controller == modal_)
        dismissViewController(animated);
    else if (controller == topViewController())
        popViewController(animated);
}
