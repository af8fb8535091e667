#include "ViewController.h"

#include "NavigationController.h"

ViewController::ViewController(AppContext &context, QObject *parent)
    : QObject(parent), context_(context)
{
}

ViewController::~ViewController() = default;

QString ViewController::viewName() const
{
    QString name = QString::fromLatin1(metaObject()->className());
    if (name.endsWith(QLatin1String("Controller")))
        name.chop(int(qstrlen("Controller")));
    return name;
}

bool ViewController::isInFront() const
{
    return navigationController_ && navigationController_->visibleViewController() == this;
}

void ViewController::back()
{
    if (navigationController_)
        navigationController_->popViewControllerFrom(this, true);
}

void ViewController::loadViewIfNeeded()
{
    if (viewLoaded_)
        return;
    viewLoaded_ = true;
    viewDidLoad();
}
