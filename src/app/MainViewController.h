#pragma once
// The main hub at the bottom of the signed-in stack. For now an empty screen;
// its menu, counters and advertisements are yet to come.

#include "platform/ViewController.h"

#include <QtQml/qqmlregistration.h>

class MainViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the application delegate")
public:
    using ViewController::ViewController;
};
