#pragma once
// The main hub at the bottom of the signed-in stack: six sections with live counters,
// the advertisements fetched once, the reminder pop-up, the profile reload when the
// server reports a new profile version, and the party push.

#include "platform/ViewController.h"
#include "ui/RequestSlot.h"
#include "ui/Router.h"

#include <QPointer>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <array>

class MainViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QStringList menuTitles READ menuTitles NOTIFY menuChanged)
    Q_PROPERTY(QStringList menuImageNames READ menuImageNames NOTIFY menuChanged)
    Q_PROPERTY(QString profileCover READ profileCover NOTIFY menuChanged)
    Q_PROPERTY(QString footerImage READ footerImage NOTIFY footerImageChanged)
    Q_PROPERTY(QString notifyText READ notifyText NOTIFY notifyTextChanged)
    Q_PROPERTY(bool notifyShown READ isNotifyShown NOTIFY notifyShownChanged)
    Q_PROPERTY(int notifySlideMs READ notifySlideMs CONSTANT)
    Q_PROPERTY(double hiddenBackgroundSize READ hiddenBackgroundSize CONSTANT)
    Q_PROPERTY(int profileRow READ profileRow CONSTANT)
public:
    static constexpr int kNotifySlideMs = 250;
    // The decorative image seen when the menu is pulled beyond its ends.
    static constexpr double kHiddenBackgroundSize = 320;
    static inline const QString kProfilePlaceholder = QStringLiteral("menu-profile.jpg");

    explicit MainViewController(AppContext &context, QObject *parent = nullptr);
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
    // The row that shows the signed-in user's cover.
    int profileRow() const { return int(HubSection::Profile); }

    // The kept screen of a section; none before its first visit or after it was dropped.
    ViewController *sectionScreen(HubSection section) const;

    bool isAcknowledgingReminders() const { return notifyRequest_->busy(); }
    bool isReloadingUser() const { return userInfoRequest_->busy(); }

    // Row taps: push the section's screen, made on first use and kept; a section
    // without a screen yet opens nothing.
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

    void receivedADsResponse(const JSONFetcher &reply);
    void receivedUserInfoChangedResponse(const JSONFetcher &reply);

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
    // The unread messages of every conversation in the signed-in user's store.
    int unreadMessageCount() const;
    void hideNotifyView();
    void acknowledgeReminders();
    void dropSection(HubSection section);
    void setFooterImage(const QString &image);

    QStringList menuTitles_;
    QStringList menuImageNames_;
    QString profileCover_;
    QString footerImage_;
    QString notifyText_;
    bool notifyShown_ = false;
    std::array<QPointer<ViewController>, int(HubSection::Count)> sections_;
    RequestSlot *adsRequest_;
    RequestSlot *notifyRequest_;
    RequestSlot *userInfoRequest_;
};
