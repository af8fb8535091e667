#pragma once
// The application's router: the only code that makes screen controllers. It puts
// each on the stack the way its destination is shown (pushed, presented, or the whole
// stack replaced) and gives the hub its section screens.

#include "ui/Router.h"

class AppContext;
class ViewController;

class AppRouter : public Router {
public:
    explicit AppRouter(AppContext &context);

    // Makes an AppRouter the context's router and returns it.
    static AppRouter &install(AppContext &context);

    void openLaunchScreen() override;
    void openSignIn() override;
    void openHub() override;
    void openRegistration() override;
    void openRegistrationAvatarStep() override;
    void openRegistrationProfileStep(const QByteArray &avatarJpeg) override;
    void openRegionChoice(QObject *owner, RegionChosen chosen) override;
    void closeRegionChoice() override;
    ViewController *makeHubSectionScreen(HubSection section) override;
    void openReminderList() override;
    void openActivityPublic() override;
    void openUserHome(const User &user) override;
    void openChat(const User &user) override;
    void openPhotoViewer(const QStringList &addresses, int index) override;
    void openUserSearch() override;
    void openUserSearchResults(const QVariantMap &queryParameters) override;
    void openUserInfo(const User &user) override;
    void openUserTimeLine(const User &user) override;
    void openUserFriendList(const User &user) override;
    void openFavorList(const User &user) override;
    void openUserAlbums(const User &user) override;
    void openPictureComment(const User &user, const Picture &picture) override;
    void openPictureUpload() override;
    void openPictureCommentForm(const User &owner, const Picture &picture) override;
    void openMoodComment(const User &owner, const Mood &mood) override;
    void openMoodCommentForm(const User &owner, const Mood &mood) override;
    void openMoodPost() override;
    void openPartyWithId(int partyId) override;
    void openClub(const Club &club) override;
    void openClubWithId(int clubId) override;
    void openClubSearch() override;
    void openClubSearchResults(const QString &keywords, int sheng, int shi) override;
    void openClubMap(const Club &club) override;
    void openClubAlbum(const Club &club) override;
    void openClubBoard(const Club &club) override;
    void openClubFans(const Club &club) override;
    void openClubShare(const Club &club, int service) override;
    void openParty(const Party &party) override;
    void openPartyJoin(int partyId) override;
    void openPartyAlbum(const Party &party) override;
    void openPartyBoard(const Party &party) override;
    void openPartyFans(const Party &party) override;
    void openPartyShare(const Party &party, int service) override;
    void openUserParties(const User &user) override;
    void openChatLog(const User &user, QObject *owner, std::function<void()> dismiss) override;
    void closeChatLog() override;
    void openFollowListForChat() override;
    void openUserInfoEdit() override;
    void openFriendList() override;
    void openSettings() override;
    void openPrivacySettings() override;
    void openBlackList() override;
    void openChangePassword() override;
    void openBugReport() override;
    void openAboutUs() override;

private:
    void push(ViewController *screen);
    void replaceStack(ViewController *screen);

    AppContext &context_;
};
