#pragma once
// The main hub at the bottom of the signed-in stack: six sections with live counters,
// the advertisements fetched once, the reminder pop-up, the profile reload when the
// server reports a new profile version, and the party push.

#include "api/JSONFetcher.h"
#include "platform/ViewController.h"

#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <functional>
#include <memory>

class AppDelegate;

class MainViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the application delegate")
    Q_PROPERTY(QStringList menuTitles READ menuTitles NOTIFY menuChanged)
    Q_PROPERTY(QStringList menuImageNames READ menuImageNames NOTIFY menuChanged)
    Q_PROPERTY(QString profileCover READ profileCover NOTIFY menuChanged)
    Q_PROPERTY(QString footerImage READ footerImage NOTIFY footerImageChanged)
    Q_PROPERTY(QString notifyText READ notifyText NOTIFY notifyTextChanged)
    Q_PROPERTY(bool notifyShown READ isNotifyShown NOTIFY notifyShownChanged)
    Q_PROPERTY(int notifySlideMs READ notifySlideMs CONSTANT)
    Q_PROPERTY(double hiddenBackgroundSize READ hiddenBackgroundSize CONSTANT)
public:
    enum Section { Activity, FindFriends, Conversations, Clubs, Parties, Profile, SectionCount };
    Q_ENUM(Section)

    // Makes a section's screen; the hub keeps what it returns.
    using ScreenFactory = std::function<ViewController *()>;
    // Makes the party page for the push payload {"pid": ...}.
    using PartyScreenFactory = std::function<ViewController *(const QVariantMap &payload)>;

    static constexpr int kNotifySlideMs = 250;
    // The decorative image seen when the menu is pulled beyond its ends.
    static constexpr double kHiddenBackgroundSize = 320;
    static inline const QString kProfilePlaceholder = QStringLiteral("menu-profile.jpg");

    MainViewController(AppContext &context, AppDelegate &delegate, QObject *parent = nullptr);
    ~MainViewController() override;

    QStringList menuTitles() const { return menuTitles_; }
    QStringList menuImageNames() const { return menuImageNames_; }
    // The signed-in user's cover, shown on the profile row over its placeholder.
    QString profileCover() const { return profileCover_; }
    QString footerImage() const { return footerImage_; }
    QString notifyText() const { return notifyText_; }
    bool isNotifyShown() const { return notifyShown_; }
    int notifySlideMs() const { return kNotifySlideMs; }
    double hiddenBackgroundSize() const { return kHiddenBackgroundSize; }

    // The screens of later parts register here; a row without one opens nothing.
    void setSectionFactory(Section section, ScreenFactory factory);
    void setNotifyCenterFactory(ScreenFactory factory);
    void setPartyScreenFactory(PartyScreenFactory factory);
    // The kept screen of a section; none before its first visit or after it was dropped.
    ViewController *sectionScreen(Section section) const;

    bool isAcknowledgingReminders() const { return bool(notifyFetcher_); }
    bool isReloadingUser() const { return bool(userInfoFetcher_); }

    // Row taps: push the section's screen, made on first use and kept.
    Q_INVOKABLE void selectRow(int row);
    Q_INVOKABLE void gotoNotifyCenter();
    Q_INVOKABLE void closeNotifyView();
    Q_INVOKABLE void footerAdTapped();

    void refreshMenu();
    void showNotifyPopView();

    void receiveNVMessageNotification();
    void receivedRemindNotification();
    void receivedPartyPushNotification(const QVariant &payload);
    void receivedCitySwitchedNotification();
    void receivedUserInfoChangedNotification();

    void receivedADsResponse(JSONFetcher *fetcher);
    void receivedNotificationsResponse(JSONFetcher *fetcher);
    void receivedUserInfoChangedResponse(JSONFetcher *fetcher);

signals:
    void menuChanged();
    void footerImageChanged();
    void notifyTextChanged();
    void notifyShownChanged();
    // The pop-up is to slide in from below the navigation area, also when already shown.
    void notifyPopViewShown();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    std::unique_ptr<JSONFetcher> post(const QString &script, const QVariantMap &parameters,
                                      void (MainViewController::*callback)(JSONFetcher *));
    // The unread messages of every conversation in the signed-in user's store.
    int unreadMessageCount() const;
    void hideNotifyView();
    void acknowledgeReminders();
    void dropSection(Section section);
    void setFooterImage(const QString &image);
    void push(ViewController *screen);

    AppDelegate &delegate_;
    QStringList menuTitles_;
    QStringList menuImageNames_;
    QString profileCover_;
    QString footerImage_;
    QString notifyText_;
    bool notifyShown_ = false;
    std::array<QPointer<ViewController>, SectionCount> sections_;
    std::array<ScreenFactory, SectionCount> sectionFactories_;
    ScreenFactory notifyCenterFactory_;
    PartyScreenFactory partyScreenFactory_;
    std::unique_ptr<JSONFetcher> fetcher_;
    std::unique_ptr<JSONFetcher> notifyFetcher_;
    std::unique_ptr<JSONFetcher> userInfoFetcher_;
};
