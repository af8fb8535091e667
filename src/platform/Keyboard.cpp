#include "Keyboard.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QRectF>

Keyboard::Keyboard(QObject *parent) : QObject(parent)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QInputMethod *input = QGuiApplication::inputMethod();
    connect(input, &QInputMethod::visibleChanged, this, &Keyboard::followInputMethod);
    connect(input, &QInputMethod::keyboardRectangleChanged, this, &Keyboard::followInputMethod);
}

void Keyboard::followInputMethod()
{
    const QInputMethod *input = QGuiApplication::inputMethod();
    const double height = input->keyboardRectangle().height();
    if (input->isVisible() && height > 0)
        show(height);
    else
        hide();
}

void Keyboard::show(double height)
{
    if (shown_ && height == height_)
        return;
    shown_ = true;
    height_ = height;
    emit willShow(height);
}

void Keyboard::hide()
{
    if (!shown_)
        return;
    shown_ = false;
    emit willHide();
}
