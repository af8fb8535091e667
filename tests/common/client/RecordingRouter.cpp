#include "RecordingRouter.h"

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
