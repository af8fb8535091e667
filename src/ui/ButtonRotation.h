#pragma once
// The turn of a button that shows a state by its angle (an edit button a quarter
// turn, a menu button an eighth): the controller sets the end angle, the view
// animates to it over durationMs.

#include <QObject>
#include <QtQml/qqmlregistration.h>

class ButtonRotation : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the screen controllers")
    Q_PROPERTY(double degrees READ degrees NOTIFY degreesChanged)
    Q_PROPERTY(int durationMs READ durationMs CONSTANT)
public:
    static constexpr int kDurationMs = 200;

    using QObject::QObject;

    double degrees() const { return degrees_; }
    int durationMs() const { return kDurationMs; }
    bool isTurned() const { return degrees_ != 0; }

    // Turns the button to `radians` from its original position.
    void transformBtnWithAngle(double radians);
    void transformtoOriginalBtn();

signals:
    void degreesChanged();

private:
    double degrees_ = 0;
};
