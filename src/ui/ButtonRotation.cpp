#include "ButtonRotation.h"

#include <QtMath>

void ButtonRotation::transformBtnWithAngle(double radians)
{
    const double degrees = qRadiansToDegrees(radians);
    if (degrees == degrees_)
        return;
    degrees_ = degrees;
    emit degreesChanged();
}

void ButtonRotation::transformtoOriginalBtn()
{
    transformBtnWithAngle(0);
}
