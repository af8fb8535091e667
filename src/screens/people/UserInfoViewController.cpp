#include "UserInfoViewController.h"

#include "model/CityList.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

namespace {
QString cityName(int sheng, int shi)
{
    return CityList::shiWithShiIndexShengIndex(shi, sheng).value_or(QString());
}
} // namespace

UserInfoViewController::UserInfoViewController(AppContext &context, User user, QObject *parent)
    : ViewController(context, parent), user_(std::move(user))
{
}

QString UserInfoViewController::genderIcon() const
{
    return user_.gender == 1 ? QStringLiteral("common-boy-icon.png")
                             : QStringLiteral("common-girl-icon.png");
}

QString UserInfoViewController::distanceText() const
{
    return QStringLiteral("距离：%1").arg(user_.distance);
}

QString UserInfoViewController::ageText() const
{
    return QStringLiteral("%1岁").arg(user_.age);
}

QString UserInfoViewController::heightText() const
{
    return QStringLiteral("%1cm").arg(user_.height);
}

QString UserInfoViewController::weightText() const
{
    return QStringLiteral("%1kg").arg(user_.weight);
}

QString UserInfoViewController::cityText() const
{
    return cityName(user_.addr_sheng_j, user_.addr_shi_j);
}

QString UserInfoViewController::hometownText() const
{
    return cityName(user_.addr_sheng_c, user_.addr_shi_c);
}

QString UserInfoViewController::aboutText() const
{
    return user_.about.isEmpty() ? kEmptyAbout : user_.about;
}

void UserInfoViewController::avatarButtonTapped()
{
    if (user_.avatarRejected() || user_.avatar_big.isEmpty())
        return;
    context().router().openPhotoViewer({user_.avatar_big}, 0);
}
