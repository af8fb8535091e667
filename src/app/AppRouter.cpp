#include "AppRouter.h"

#include "LaunchingViewController.h"
#include "LoginViewController.h"
#include "MainViewController.h"
#include "RegisterStepOneViewController.h"
#include "RegisterStepThreeViewController.h"
#include "RegisterStepTwoViewController.h"
#include "model/Party.h"
#include "model/Session.h"
#include "model/User.h"
#include "platform/AppContext.h"
#include "platform/NavigationController.h"
#include "screens/feed/ActivityListViewController.h"
#include "screens/feed/ActivityPublicViewController.h"
#include "screens/feed/NotifyCenterViewController.h"
#include "screens/feed/UserActivityListViewController.h"
#include "screens/messaging/ChatLogViewController.h"
#include "screens/messaging/ChatViewController.h"
#include "screens/messaging/MessageBoxViewController.h"
#include "screens/people/BlackListViewController.h"
#include "screens/people/FavorListViewController.h"
#include "screens/people/FavorUserListViewController.h"
#include "screens/people/FriendListViewController.h"
#include "screens/people/LocationViewController.h"
#include "screens/people/UserFriendListViewController.h"
#include "screens/people/UserHomeViewController.h"
#include "screens/people/UserInfoViewController.h"
#include "screens/people/UserListViewController.h"
#include "screens/people/UserSearchResultsViewController.h"
#include "screens/people/UserSearchViewController.h"
#include "screens/photos/AlbumsViewController.h"
#include "screens/photos/MoodCommentCommitViewController.h"
#include "screens/photos/MoodCommentViewController.h"
#include "screens/photos/MoodPostViewController.h"
#include "screens/photos/PictureCommentCommitViewController.h"
#include "screens/photos/PictureCommentViewController.h"
#include "screens/photos/PictureUploadViewController.h"
#include "screens/profile/ProfileCenterViewController.h"
#include "screens/profile/UserInfoEditViewController.h"
#include "screens/settings/AboutUsViewController.h"
#include "screens/settings/BugReportViewController.h"
#include "screens/settings/ChangePasswordViewController.h"
#include "screens/settings/PrivacySettingsViewController.h"
#include "screens/settings/SettingsViewController.h"
#include "screens/venues/BLKMapViewController.h"
#include "screens/venues/ClubDetailViewController.h"
#include "screens/venues/ClubDiscussViewController.h"
#include "screens/venues/ClubListViewController.h"
#include "screens/venues/ClubSearchResultsViewController.h"
#include "screens/venues/ClubSearchViewController.h"
#include "screens/venues/MyPartyListViewController.h"
#include "screens/venues/PartyDetailViewController.h"
#include "screens/venues/PartyDiscussViewController.h"
#include "screens/venues/PartyJoinViewController.h"
#include "screens/venues/PartyListViewController.h"
#include "screens/venues/VenueAlbumsViewController.h"
#include "ui/ImageDataSource.h"
#include "ui/KTPhotoScrollViewController.h"

AppRouter::AppRouter(AppContext &context) : context_(context)
{
}

AppRouter &AppRouter::install(AppContext &context)
{
    AppRouter &router = context.own(std::make_unique<AppRouter>(context));
    context.setRouter(&router);
    return router;
}

void AppRouter::push(ViewController *screen)
{
    context_.navigation().pushViewController(screen, true);
}

void AppRouter::replaceStack(ViewController *screen)
{
    context_.navigation().setViewControllers({screen}, true);
}

void AppRouter::openLaunchScreen()
{
    context_.navigation().setViewControllers({new LaunchingViewController(context_)}, false);
}

void AppRouter::openSignIn()
{
    replaceStack(new LoginViewController(context_));
}

void AppRouter::openHub()
{
    replaceStack(new MainViewController(context_));
}

void AppRouter::openRegistration()
{
    push(new RegisterStepOneViewController(context_));
}

void AppRouter::openRegistrationAvatarStep()
{
    push(new RegisterStepTwoViewController(context_));
}

void AppRouter::openRegistrationProfileStep(const QByteArray &avatarJpeg)
{
    push(new RegisterStepThreeViewController(context_, avatarJpeg));
}

void AppRouter::openRegionChoice(QObject *owner, RegionChosen chosen)
{
    auto *screen = new LocationViewController(context_);
    screen->setDelegate(owner, std::move(chosen));
    context_.navigation().presentViewController(screen, true);
}

void AppRouter::closeRegionChoice()
{
    if (qobject_cast<LocationViewController *>(context_.navigation().modalViewController()))
        context_.navigation().dismissViewController(true);
}

ViewController *AppRouter::makeHubSectionScreen(HubSection section)
{
    switch (section) {
    case HubSection::Activity:
        return new ActivityListViewController(context_);
    case HubSection::FindFriends:
        return new UserListViewController(context_);
    case HubSection::Clubs:
        return new ClubListViewController(context_);
    case HubSection::Conversations:
        return new MessageBoxViewController(context_);
    case HubSection::Parties:
        return new PartyListViewController(context_);
    case HubSection::Profile:
        return new ProfileCenterViewController(context_);
    default:
        return nullptr;
    }
}

void AppRouter::openReminderList()
{
    push(new NotifyCenterViewController(context_));
}

void AppRouter::openActivityPublic()
{
    push(new ActivityPublicViewController(context_));
}

void AppRouter::openUserHome(const User &user)
{
    push(new UserHomeViewController(context_, user));
}

void AppRouter::openChat(const User &user)
{
    // Nobody chats with themselves.
    if (user.userId == context_.session().userId())
        return;
    push(new ChatViewController(context_, user));
}

void AppRouter::openPhotoViewer(const QStringList &addresses, int index)
{
    push(new KTPhotoScrollViewController(
        context_, std::make_unique<ImageDataSource>(ImageDataSource::fromAddresses(addresses)),
        index));
}

void AppRouter::openUserSearch()
{
    push(new UserSearchViewController(context_));
}

void AppRouter::openUserSearchResults(const QVariantMap &queryParameters)
{
    push(new UserSearchResultsViewController(context_, queryParameters));
}

void AppRouter::openUserInfo(const User &user)
{
    push(new UserInfoViewController(context_, user));
}

void AppRouter::openUserTimeLine(const User &user)
{
    push(new UserActivityListViewController(context_, user));
}

void AppRouter::openUserFriendList(const User &user)
{
    push(new UserFriendListViewController(context_, user));
}

void AppRouter::openFavorList(const User &user)
{
    push(new FavorListViewController(context_, user));
}

void AppRouter::openUserAlbums(const User &user)
{
    push(new AlbumsViewController(context_, user));
}

void AppRouter::openPictureComment(const User &user, const Picture &picture)
{
    push(new PictureCommentViewController(context_, user, picture));
}

void AppRouter::openPictureUpload()
{
    push(new PictureUploadViewController(context_));
}

void AppRouter::openPictureCommentForm(const User &owner, const Picture &picture)
{
    push(new PictureCommentCommitViewController(context_, owner, picture));
}

void AppRouter::openMoodComment(const User &owner, const Mood &mood)
{
    push(new MoodCommentViewController(context_, owner, mood));
}

void AppRouter::openMoodCommentForm(const User &owner, const Mood &mood)
{
    push(new MoodCommentCommitViewController(context_, owner, mood));
}

void AppRouter::openMoodPost()
{
    push(new MoodPostViewController(context_));
}

void AppRouter::openPartyWithId(int partyId)
{
    // Only a positive id names a party.
    if (partyId > 0)
        openParty(Party::withId(partyId));
}

void AppRouter::openClub(const Club &club)
{
    push(new ClubDetailViewController(context_, club));
}

void AppRouter::openClubWithId(int clubId)
{
    openClub(Club::withId(clubId));
}

void AppRouter::openClubSearch()
{
    push(new ClubSearchViewController(context_));
}

void AppRouter::openClubSearchResults(const QString &keywords, int sheng, int shi)
{
    push(new ClubSearchResultsViewController(context_, keywords, sheng, shi));
}

void AppRouter::openClubMap(const Club &club)
{
    push(new BLKMapViewController(context_, ClubAnnotation(club)));
}

void AppRouter::openClubAlbum(const Club &club)
{
    push(VenueAlbumsViewController::ofClub(context_, club));
}

void AppRouter::openClubBoard(const Club &club)
{
    push(new ClubDiscussViewController(context_, club));
}

void AppRouter::openClubFans(const Club &club)
{
    push(FavorUserListViewController::ofClub(context_, club));
}

void AppRouter::openClubShare(const Club &, int)
{
}

void AppRouter::openParty(const Party &party)
{
    push(new PartyDetailViewController(context_, party));
}

void AppRouter::openPartyJoin(int partyId)
{
    push(new PartyJoinViewController(context_, partyId));
}

void AppRouter::openPartyAlbum(const Party &party)
{
    push(VenueAlbumsViewController::ofParty(context_, party));
}

void AppRouter::openPartyBoard(const Party &party)
{
    push(new PartyDiscussViewController(context_, party));
}

void AppRouter::openPartyFans(const Party &party)
{
    push(FavorUserListViewController::ofParty(context_, party));
}

void AppRouter::openPartyShare(const Party &, int)
{
}

void AppRouter::openUserParties(const User &user)
{
    push(new MyPartyListViewController(context_, user));
}

void AppRouter::openChatLog(const User &user, QObject *owner, std::function<void()> dismiss)
{
    auto *screen = new ChatLogViewController(context_, user);
    screen->setDelegate(owner, std::move(dismiss));
    context_.navigation().presentViewController(screen, true);
}

void AppRouter::closeChatLog()
{
    if (qobject_cast<ChatLogViewController *>(context_.navigation().modalViewController()))
        context_.navigation().dismissViewController(true);
}

void AppRouter::openFollowListForChat()
{
    push(new FriendListViewController(context_, true));
}

void AppRouter::openUserInfoEdit()
{
    push(new UserInfoEditViewController(context_));
}

void AppRouter::openFriendList()
{
    push(new FriendListViewController(context_, false));
}

void AppRouter::openSettings()
{
    push(new SettingsViewController(context_));
}

void AppRouter::openPrivacySettings()
{
    push(new PrivacySettingsViewController(context_));
}

void AppRouter::openBlackList()
{
    push(new BlackListViewController(context_));
}

void AppRouter::openChangePassword()
{
    push(new ChangePasswordViewController(context_));
}

void AppRouter::openBugReport()
{
    push(new BugReportViewController(context_));
}

void AppRouter::openAboutUs()
{
    push(new AboutUsViewController(context_));
}
