#pragma once
// A router for controller tests: records each destination asked for as one line
// ("userHome 42", "photoViewer 3 of 5") instead of making the next screen; the hub's
// section screens come from `sectionScreens`, the region screen's answer from the test.

#include "ui/Router.h"

#include <QPointer>
#include <QStringList>

class RecordingRouter : public Router {
public:
    void openLaunchScreen() override { record(QStringLiteral("launchScreen")); }
    void openSignIn() override { record(QStringLiteral("signIn")); }
    void openHub() override { record(QStringLiteral("hub")); }
    void openRegistration() override { record(QStringLiteral("registration")); }
    void openRegistrationAvatarStep() override { record(QStringLiteral("registrationAvatar")); }
    void openRegistrationProfileStep(const QByteArray &avatarJpeg) override;
    void openRegionChoice(QObject *owner, RegionChosen chosen) override;
    void closeRegionChoice() override { record(QStringLiteral("closeRegionChoice")); }
    ViewController *makeHubSectionScreen(HubSection section) override;
    void openReminderList() override { record(QStringLiteral("reminderList")); }
    void openActivityPublic() override { record(QStringLiteral("activityPublic")); }
    void openUserHome(const User &user) override;
    void openChat(const User &user) override;
    void openPhotoViewer(const QStringList &addresses, int index) override;
    void openUserSearch() override { record(QStringLiteral("userSearch")); }
    void openUserSearchResults(const QVariantMap &queryParameters) override;
    void openUserInfo(const User &user) override;
    void openUserTimeLine(const User &user) override;
    void openUserFriendList(const User &user) override;
    void openFavorList(const User &user) override;
    void openUserAlbums(const User &user) override;
    void openPictureComment(const User &user, const Picture &picture) override;
    void openPictureUpload() override { record(QStringLiteral("pictureUpload")); }
    void openPictureCommentForm(const User &owner, const Picture &picture) override;
    void openMoodComment(const User &owner, const Mood &mood) override;
    void openMoodCommentForm(const User &owner, const Mood &mood) override;
    void openMoodPost() override { record(QStringLiteral("moodPost")); }
    void openPartyWithId(int partyId) override;
    void openClub(const Club &club) override;
    void openClubWithId(int clubId) override;
    void openClubSearch() override { record(QStringLiteral("clubSearch")); }
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
    void closeChatLog() override { record(QStringLiteral("closeChatLog")); }
    void openFollowListForChat() override { record(QStringLiteral("followListForChat")); }
    void openUserInfoEdit() override { record(QStringLiteral("userInfoEdit")); }
    void openFriendList() override { record(QStringLiteral("friendList")); }
    void openSettings() override { record(QStringLiteral("settings")); }
    void openPrivacySettings() override { record(QStringLiteral("privacySettings")); }
    void openBlackList() override { record(QStringLiteral("blackList")); }
    void openChangePassword() override { record(QStringLiteral("changePassword")); }
    void openBugReport() override { record(QStringLiteral("bugReport")); }
    void openAboutUs() override { record(QStringLiteral("aboutUs")); }

    // Answers the region screen opened last, as its confirm or cancel would.
    void answerRegionChoice(const std::optional<QString> &cityName);
    // Asks the chat log opened last to be dismissed, as its back button would.
    void dismissChatLog();

    QString last() const { return opened.isEmpty() ? QString() : opened.last(); }

    QStringList opened;
    std::function<ViewController *(HubSection)> sectionScreens;
    // Arguments of the last destinations that carry more than a line can say.
    QByteArray lastAvatarJpeg;
    QStringList lastPhotoAddresses;
    QVariantMap lastSearchParameters;

private:
    void record(const QString &line) { opened << line; }

    QPointer<QObject> regionOwner_;
    RegionChosen regionChosen_;
    QPointer<QObject> chatLogOwner_;
    std::function<void()> chatLogDismiss_;
};
