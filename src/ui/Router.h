#pragma once
// Navigation by intent: one method per destination, named by what it opens. The
// application's router makes the screens and puts them on the stack; screens never
// construct each other. Destinations of screens still to come open nothing.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <functional>
#include <optional>

class QObject;
class ViewController;
struct Club;
struct Mood;
struct Party;
struct Picture;
struct User;

// The rows of the hub, in the order shown.
enum class HubSection { Activity, FindFriends, Conversations, Clubs, Parties, Profile, Count };

class Router {
public:
    // The region screen's answer: the confirmed city's name, or none when cancelled.
    using RegionChosen = std::function<void(const std::optional<QString> &cityName)>;

    virtual ~Router() = default;

    // The whole stack replaced: the launching screen, the sign-in screen, the hub.
    virtual void openLaunchScreen() = 0;
    virtual void openSignIn() = 0;
    virtual void openHub() = 0;

    // Sign-in and registration.
    virtual void openRegistration() = 0;
    virtual void openRegistrationAvatarStep() = 0;
    virtual void openRegistrationProfileStep(const QByteArray &avatarJpeg) = 0;
    // The region screen, shown modally; `chosen` runs only while `owner` lives.
    virtual void openRegionChoice(QObject *owner, RegionChosen chosen) = 0;
    virtual void closeRegionChoice() = 0;

    // The hub's section screen, made anew; none where the section has no screen yet.
    // The hub keeps it between visits.
    virtual ViewController *makeHubSectionScreen(HubSection section) = 0;
    virtual void openReminderList() = 0;
    // The screen publishing a mood or a photo to the feed.
    virtual void openActivityPublic() = 0;

    // People.
    virtual void openUserHome(const User &user) = 0;
    virtual void openChat(const User &user) = 0;
    // The full-screen photo viewer over `addresses`, starting at `index`.
    virtual void openPhotoViewer(const QStringList &addresses, int index) = 0;
    // The user search form, and a search's results for the form's parameters.
    virtual void openUserSearch() = 0;
    virtual void openUserSearchResults(const QVariantMap &queryParameters) = 0;
    // A user's detailed profile, and the ways on from the user's home page.
    virtual void openUserInfo(const User &user) = 0;
    virtual void openUserTimeLine(const User &user) = 0;
    virtual void openUserFriendList(const User &user) = 0;
    virtual void openFavorList(const User &user) = 0;
    virtual void openUserAlbums(const User &user) = 0;
    virtual void openPictureComment(const User &user, const Picture &picture) = 0;

    // Photos and moods. The comment forms and the pages are opened with the owner.
    virtual void openPictureUpload() = 0;
    virtual void openPictureCommentForm(const User &owner, const Picture &picture) = 0;
    virtual void openMoodComment(const User &owner, const Mood &mood) = 0;
    virtual void openMoodCommentForm(const User &owner, const Mood &mood) = 0;
    virtual void openMoodPost() = 0;

    // Venues.
    virtual void openPartyWithId(int partyId) = 0;
    // A club's page: from a list with what the row knows, or from an advertisement by id.
    virtual void openClub(const Club &club) = 0;
    virtual void openClubWithId(int clubId) = 0;
    virtual void openClubSearch() = 0;
    virtual void openClubSearchResults(const QString &keywords, int sheng, int shi) = 0;
    virtual void openClubMap(const Club &club) = 0;
    virtual void openClubAlbum(const Club &club) = 0;
    virtual void openClubBoard(const Club &club) = 0;
    virtual void openClubFans(const Club &club) = 0;
    // `service`: 0 the first microblog service, 1 the second.
    virtual void openClubShare(const Club &club, int service) = 0;
    // A party's page: from a list with what the row knows; by id (openPartyWithId) from
    // an advertisement or a push.
    virtual void openParty(const Party &party) = 0;
    // The sign-up form of the party `partyId`.
    virtual void openPartyJoin(int partyId) = 0;
    virtual void openPartyAlbum(const Party &party) = 0;
    virtual void openPartyBoard(const Party &party) = 0;
    virtual void openPartyFans(const Party &party) = 0;
    // `service`: 0 the first microblog service, 1 the second.
    virtual void openPartyShare(const Party &party, int service) = 0;
    // The parties `user` has signed up for.
    virtual void openUserParties(const User &user) = 0;

    // Messaging.
    // The chat log with `user`, shown modally; `dismiss` runs, while `owner` lives,
    // when the log asks to be closed.
    virtual void openChatLog(const User &user, QObject *owner, std::function<void()> dismiss) = 0;
    virtual void closeChatLog() = 0;
    // The followed users, to pick one to chat with.
    virtual void openFollowListForChat() = 0;

    // The signed-in user's own corner: the profile editor, follows and fans, settings
    // and the screens settings opens.
    virtual void openUserInfoEdit() = 0;
    virtual void openFriendList() = 0;
    virtual void openSettings() = 0;
    virtual void openPrivacySettings() = 0;
    virtual void openBlackList() = 0;
    virtual void openChangePassword() = 0;
    virtual void openBugReport() = 0;
    virtual void openAboutUs() = 0;
};
