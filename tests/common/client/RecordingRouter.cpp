#include "RecordingRouter.h"

#include "model/Club.h"
#include "model/Mood.h"
#include "model/Party.h"
#include "model/Picture.h"
#include "model/User.h"

void RecordingRouter::openRegistrationProfileStep(const QByteArray &avatarJpeg)
{
    lastAvatarJpeg = avatarJpeg;
    record(QStringLiteral("registrationProfile"));
}

void RecordingRouter::openRegionChoice(QObject *owner, RegionChosen chosen)
{
    regionOwner_ = owner;
    regionChosen_ = std::move(chosen);
    record(QStringLiteral("regionChoice"));
}

void RecordingRouter::answerRegionChoice(const std::optional<QString> &cityName)
{
    if (regionOwner_ && regionChosen_)
        regionChosen_(cityName);
}

ViewController *RecordingRouter::makeHubSectionScreen(HubSection section)
{
    record(QStringLiteral("section %1").arg(int(section)));
    return sectionScreens ? sectionScreens(section) : nullptr;
}

void RecordingRouter::openUserHome(const User &user)
{
    record(QStringLiteral("userHome %1").arg(user.userId));
}

void RecordingRouter::openChat(const User &user)
{
    record(QStringLiteral("chat %1").arg(user.userId));
}

void RecordingRouter::openPhotoViewer(const QStringList &addresses, int index)
{
    lastPhotoAddresses = addresses;
    record(QStringLiteral("photoViewer %1 of %2").arg(index + 1).arg(addresses.size()));
}

void RecordingRouter::openPartyWithId(int partyId)
{
    record(QStringLiteral("party %1").arg(partyId));
}

void RecordingRouter::openUserSearchResults(const QVariantMap &queryParameters)
{
    lastSearchParameters = queryParameters;
    record(QStringLiteral("userSearchResults"));
}

void RecordingRouter::openUserInfo(const User &user)
{
    record(QStringLiteral("userInfo %1").arg(user.userId));
}

void RecordingRouter::openUserTimeLine(const User &user)
{
    record(QStringLiteral("userTimeLine %1").arg(user.userId));
}

void RecordingRouter::openUserFriendList(const User &user)
{
    record(QStringLiteral("userFriendList %1").arg(user.userId));
}

void RecordingRouter::openFavorList(const User &user)
{
    record(QStringLiteral("favorList %1").arg(user.userId));
}

void RecordingRouter::openUserAlbums(const User &user)
{
    record(QStringLiteral("userAlbums %1").arg(user.userId));
}

void RecordingRouter::openPictureComment(const User &user, const Picture &picture)
{
    record(QStringLiteral("pictureComment %1 %2").arg(user.userId).arg(picture.pid));
}

void RecordingRouter::openPictureCommentForm(const User &owner, const Picture &picture)
{
    record(QStringLiteral("pictureCommentForm %1 %2").arg(owner.userId).arg(picture.pid));
}

void RecordingRouter::openMoodComment(const User &owner, const Mood &mood)
{
    record(QStringLiteral("moodComment %1 %2").arg(owner.userId).arg(mood.moodid));
}

void RecordingRouter::openMoodCommentForm(const User &owner, const Mood &mood)
{
    record(QStringLiteral("moodCommentForm %1 %2").arg(owner.userId).arg(mood.moodid));
}

void RecordingRouter::openClub(const Club &club)
{
    record(QStringLiteral("club %1").arg(club.clid));
}

void RecordingRouter::openClubWithId(int clubId)
{
    record(QStringLiteral("clubWithId %1").arg(clubId));
}

void RecordingRouter::openClubSearchResults(const QString &keywords, int sheng, int shi)
{
    record(QStringLiteral("clubSearchResults [%1] %2 %3").arg(keywords).arg(sheng).arg(shi));
}

void RecordingRouter::openClubMap(const Club &club)
{
    record(QStringLiteral("clubMap %1").arg(club.clid));
}

void RecordingRouter::openClubAlbum(const Club &club)
{
    record(QStringLiteral("clubAlbum %1").arg(club.clid));
}

void RecordingRouter::openClubBoard(const Club &club)
{
    record(QStringLiteral("clubBoard %1").arg(club.clid));
}

void RecordingRouter::openClubFans(const Club &club)
{
    record(QStringLiteral("clubFans %1").arg(club.clid));
}

void RecordingRouter::openClubShare(const Club &club, int service)
{
    record(QStringLiteral("clubShare %1 %2").arg(club.clid).arg(service));
}

void RecordingRouter::openParty(const Party &party)
{
    record(QStringLiteral("partyDetail %1").arg(party.pid));
}

void RecordingRouter::openPartyJoin(int partyId)
{
    record(QStringLiteral("partyJoin %1").arg(partyId));
}

void RecordingRouter::openPartyAlbum(const Party &party)
{
    record(QStringLiteral("partyAlbum %1").arg(party.pid));
}

void RecordingRouter::openPartyBoard(const Party &party)
{
    record(QStringLiteral("partyBoard %1").arg(party.pid));
}

void RecordingRouter::openPartyFans(const Party &party)
{
    record(QStringLiteral("partyFans %1").arg(party.pid));
}

void RecordingRouter::openPartyShare(const Party &party, int service)
{
    record(QStringLiteral("partyShare %1 %2").arg(party.pid).arg(service));
}

void RecordingRouter::openUserParties(const User &user)
{
    record(QStringLiteral("userParties %1").arg(user.userId));
}

void RecordingRouter::openChatLog(const User &user, QObject *owner, std::function<void()> dismiss)
{
    chatLogOwner_ = owner;
    chatLogDismiss_ = std::move(dismiss);
    record(QStringLiteral("chatLog %1").arg(user.userId));
}

void RecordingRouter::dismissChatLog()
{
    if (chatLogOwner_ && chatLogDismiss_)
        chatLogDismiss_();
}
