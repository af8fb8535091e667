#pragma once
// The sign-in screen. For now an empty screen that marks the signed-out state;
// its form and the registration screens are yet to come.

#include "platform/ViewController.h"

#include <QtQml/qqmlregistration.h>

class LoginViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the application delegate")
public:
    using ViewController::ViewController;
};
