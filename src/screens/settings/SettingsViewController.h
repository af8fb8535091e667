#pragma once
// The settings screen: the account's functions in one scrolling page (profile, privacy,
// blacklist, city, password, sign-out, the two microblog accounts, feedback, review,
// clearing the image cache, the version check and the about page).

#include "platform/ViewController.h"
#include "ui/RequestSlot.h"

#include <QtQml/qqmlregistration.h>

#include <optional>

class SettingsViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(double scrollHeight READ scrollHeight CONSTANT)
    Q_PROPERTY(QString locationText READ locationText NOTIFY locationTextChanged)
    // Whether each microblog service is signed in; the labels follow.
    Q_PROPERTY(bool sinaSignedIn READ sinaSignedIn NOTIFY microblogChanged)
    Q_PROPERTY(bool qqSignedIn READ qqSignedIn NOTIFY microblogChanged)
    Q_PROPERTY(QString sinaLabel READ sinaLabel NOTIFY microblogChanged)
    Q_PROPERTY(QString qqLabel READ qqLabel NOTIFY microblogChanged)
    // The version check's indicator.
    Q_PROPERTY(bool checkingUpdate READ checkingUpdate NOTIFY checkingUpdateChanged)
public:
    static constexpr double kScrollHeight = 700;
    static inline const QString kVersionScript = QStringLiteral("option.php");
    static inline const QString kSignOutTitle =
        QStringLiteral("注销后你将无法收到别人的信息，是否继续？");
    static inline const QString kLatestTitle = QStringLiteral("你正在使用最新版的Nuvora！");
    static inline const QString kNewVersionTitle = QStringLiteral("Nuvora%1新版发布啦");
    static inline const QString kNewVersionMessage = QStringLiteral("立即前往AppStore更新吧！");
    static inline const QString kUpdateButton = QStringLiteral("去更新");
    static inline const QString kCancelButton = QStringLiteral("取消");
    static inline const QString kCacheCleared = QStringLiteral("缓存已清除");

    explicit SettingsViewController(AppContext &context, QObject *parent = nullptr);

    double scrollHeight() const { return kScrollHeight; }
    QString locationText() const { return locationText_; }
    // The microblog clients are not part of the client yet: until they are, neither
    // service is signed in, and these are where their state will come from.
    bool sinaSignedIn() const { return false; }
    bool qqSignedIn() const { return false; }
    QString sinaLabel() const;
    QString qqLabel() const;
    bool checkingUpdate() const { return updateRequest_->busy(); }
    // A version check or a sign-out is out.
    bool busy() const override;

    Q_INVOKABLE void editInfo();
    Q_INVOKABLE void privacySetting();
    Q_INVOKABLE void manageBlackList();
    Q_INVOKABLE void switchCity();
    Q_INVOKABLE void changePassword();
    Q_INVOKABLE void logoff();
    // Signing in and out of the microblog services comes with their clients.
    Q_INVOKABLE void sinaWeibo() {}
    Q_INVOKABLE void qqWeibo() {}
    Q_INVOKABLE void bugReport();
    Q_INVOKABLE void customReview();
    Q_INVOKABLE void clearCache();
    Q_INVOKABLE void checkUpdate();
    Q_INVOKABLE void aboutUs();

    // The region screen's answer.
    void locateDidFinished(const std::optional<QString> &cityName);

signals:
    void locationTextChanged();
    void microblogChanged();
    void checkingUpdateChanged();

protected:
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    void setCityName(const QString &name);
    void signOut();
    void versionArrived(const JSONFetcher &reply);

    RequestSlot *updateRequest_;
    QString locationText_;
};
