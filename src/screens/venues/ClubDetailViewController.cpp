#include "ClubDetailViewController.h"

#include "model/JsonFields.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "ui/Router.h"

ClubDetailViewController::ClubDetailViewController(AppContext &context, Club club, QObject *parent)
    : VenueDetailViewController(context,
                                {QStringLiteral("club_show.php"),
                                 QStringLiteral("clid"),
                                 QStringLiteral("club_favor_post.php"),
                                 QStringLiteral("club_favor_out.php"),
                                 kFavoredNotice,
                                 kUnfavoredNotice,
                                 QStringLiteral("正在加载夜店信息"),
                                 {"clubphotos", "cpid", "clubfavors"},
                                 QStringLiteral("placeholder-60-45.png"),
                                 kDescriptionY,
                                 kBottomBlockHeight},
                                parent),
      club_(std::move(club))
{
    connect(this, &VenueDetailViewController::recordChanged, this,
            &ClubDetailViewController::clubChanged);
    displayRecord();
}

void ClubDetailViewController::viewDidLoad()
{
    reload();
}

bool ClubDetailViewController::takeRecord(const nuvora::json::Value &reply)
{
    const nuvora::json::Value &sent = reply["club"];
    if (!sent.isObject() || JsonFields::integer(sent, "clid") == 0)
        return false;
    club_ = Club(sent, context().session().userLocation);
    return true;
}

void ClubDetailViewController::announceChange()
{
    context().notifications().post(NotificationNames::clubChanged, QVariant::fromValue(club_));
}

void ClubDetailViewController::showLocation()
{
    if (canAct() && club_.hasPosition())
        context().router().openClubMap(club_);
}

void ClubDetailViewController::openBoard()
{
    context().router().openClubBoard(club_);
}

void ClubDetailViewController::openFans()
{
    context().router().openClubFans(club_);
}

void ClubDetailViewController::openAlbum()
{
    context().router().openClubAlbum(club_);
}

void ClubDetailViewController::openShare(int service)
{
    context().router().openClubShare(club_, service);
}
