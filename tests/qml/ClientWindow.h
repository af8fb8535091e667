#pragma once
// A fresh client context with its shell and the phone window over it, for view tests
// that open one window per test function: open() in init(), close() in cleanup(). Both
// fail the running test on a window that does not load or on any warning of Qt Quick or
// QML.

#include "ClientTestContext.h"
#include "PhoneWindow.h"
#include "app/AppShell.h"

#include <QTest>

#include <memory>

class ClientWindow {
public:
    ClientTestContext &test() { return test_; }
    AppContext &context() { return test_.context(); }
    AppShell &shell() { return shell_; }
    PhoneWindow &phone() { return *phone_; }
    QQuickWindow *window() const { return phone_ ? phone_->window() : nullptr; }

    void open()
    {
        phone_ = std::make_unique<PhoneWindow>(shell_);
        QVERIFY2(phone_->window(), qPrintable(phone_->warningText()));
        QVERIFY(QTest::qWaitForWindowExposed(phone_->window()));
    }

    // Unloads the window; warnings given while it goes count too.
    void close()
    {
        if (phone_)
            phone_->close();
        phone_.reset();
    }

private:
    ClientTestContext test_;
    AppShell shell_{test_.context()};
    std::unique_ptr<PhoneWindow> phone_;
};
