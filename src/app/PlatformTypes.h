#pragma once
// QML names for the platform objects the shell's views bind to; the platform
// layer itself knows nothing of QML.

#include "platform/AlertPresenter.h"
#include "platform/ImagePicker.h"
#include "platform/NavigationController.h"
#include "platform/ViewController.h"

#include <QtQml/qqml.h>

struct NavigationControllerForeign {
    Q_GADGET
    QML_FOREIGN(NavigationController)
    QML_NAMED_ELEMENT(NavigationController)
    QML_UNCREATABLE("owned by the application context")
};

struct AlertPresenterForeign {
    Q_GADGET
    QML_FOREIGN(AlertPresenter)
    QML_NAMED_ELEMENT(AlertPresenter)
    QML_UNCREATABLE("owned by the application context")
};

struct ViewControllerForeign {
    Q_GADGET
    QML_FOREIGN(ViewController)
    QML_NAMED_ELEMENT(ViewController)
    QML_UNCREATABLE("the base of the screen controllers")
};

struct ImagePickerForeign {
    Q_GADGET
    QML_FOREIGN(ImagePicker)
    QML_NAMED_ELEMENT(ImagePicker)
    QML_UNCREATABLE("made by the screen that picks an image")
};
