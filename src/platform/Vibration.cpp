#include "Vibration.h"

#include "LogCategories.h"

void Vibration::vibrate()
{
    ++count_;
    qCDebug(lcPlatform) << "vibrate";
    emit vibrated();
}
