#include "ConstellationList.h"

#include "CityList.h"

#include <QStringList>

QString ConstellationList::constellationWithIndex(int index)
{
    // Index 12 repeats index 0: the server counts the year's last sign at both ends.
    static const QStringList names = {
        QStringLiteral("魔羯座"), QStringLiteral("水瓶座"), QStringLiteral("双鱼座"),
        QStringLiteral("白羊座"), QStringLiteral("金牛座"), QStringLiteral("双子座"),
        QStringLiteral("巨蟹座"), QStringLiteral("狮子座"), QStringLiteral("处女座"),
        QStringLiteral("天秤座"), QStringLiteral("天羯座"), QStringLiteral("射手座"),
        QStringLiteral("魔羯座"),
    };
    return CityList::elementwithIndexInArray(index, names);
}
