#pragma once
// The phone's on-screen keyboard as screens see it: about to show with its height,
// about to hide. The input method reports it where there is one; a desktop has
// none, and tests drive it.

#include <QObject>

class Keyboard : public QObject {
    Q_OBJECT
public:
    explicit Keyboard(QObject *parent = nullptr);

    bool isShown() const { return shown_; }
    // The height of the keyboard's final frame in points; 0 while hidden.
    double height() const { return shown_ ? height_ : 0; }

    // What the input method reports (and tests simulate).
    void show(double height);
    void hide();

signals:
    void willShow(double height);
    void willHide();

private:
    void followInputMethod();

    bool shown_ = false;
    double height_ = 0;
};
