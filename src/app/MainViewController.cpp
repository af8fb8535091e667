#include "MainViewController.h"

#include "AppDelegate.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/LogCategories.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Session.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"

#include <QTimer>

MainViewController::MainViewController(AppContext &context, AppDelegate &delegate, QObject *parent)
    : ViewController(context, parent), delegate_(delegate)
{
}

MainViewController::~MainViewController() = default;

std::unique_ptr<JSONFetcher>
MainViewController::post(const QString &script, const QVariantMap &parameters,
                         void (MainViewController::*callback)(JSONFetcher *))
{
    auto fetcher = std::make_unique<JSONFetcher>(
        context(), context().session().apiServerAddress, script, parameters, this,
        [this, callback](JSONFetcher *reply) { (this->*callback)(reply); });
    fetcher->start();
    return fetcher;
}

void MainViewController::viewDidLoad()
{
    NotificationCenter &notifications = context().notifications();
    notifications.addObserver(this, NotificationNames::message,
                              [this](const QVariant &) { receiveNVMessageNotification(); });
    notifications.addObserver(this, NotificationNames::remind,
                              [this](const QVariant &) { receivedRemindNotification(); });
    notifications.addObserver(this, NotificationNames::partyPush, [this](const QVariant &payload) {
        receivedPartyPushNotification(payload);
    });
    notifications.addObserver(this, NotificationNames::citySwitched,
                              [this](const QVariant &) { receivedCitySwitchedNotification(); });
    notifications.addObserver(this, NotificationNames::userInfoChanged,
                              [this](const QVariant &) { receivedUserInfoChangedNotification(); });

    if (const Advertisement *ads = delegate_.ads())
        setFooterImage(ads->indexImg);
    fetcher_ = post(QStringLiteral("option.php"), {}, &MainViewController::receivedADsResponse);
    refreshMenu();
}

void MainViewController::viewWillAppear(bool animated)
{
    Q_UNUSED(animated)
    refreshMenu();
}

int MainViewController::unreadMessageCount() const
{
    ChatService *chat = context().service<ChatService>();
    if (!chat)
        return 0;
    int unread = 0;
    for (const MessageBox &box : chat->database().unreadMessageBoxes())
        unread += box.count;
    return unread;
}

void MainViewController::refreshMenu()
{
    const qint64 follow = context().settings().integer(SettingsKeys::feedFollowCount);
    const int unread = unreadMessageCount();
    const User *user = delegate_.defaultUser();

    menuTitles_ = {
        follow ? QStringLiteral("动态(%1条新好友动态)").arg(follow) : QStringLiteral("动态"),
        QStringLiteral("发现朋友"),
        unread ? QStringLiteral("会话(%1条未读消息)").arg(unread) : QStringLiteral("会话"),
        QStringLiteral("夜店"),
        QStringLiteral("活动"),
        user ? user->nickname : QString(),
    };
    menuImageNames_ = {QStringLiteral("menu-activity.jpg"), QStringLiteral("menu-findfriend.jpg"),
                       QStringLiteral("menu-chat.jpg"),     QStringLiteral("menu-night.jpg"),
                       QStringLiteral("menu-party.png"),    kProfilePlaceholder};
    profileCover_ = user ? user->bander : QString();
    emit menuChanged();
}

void MainViewController::setSectionFactory(Section section, ScreenFactory factory)
{
    if (section >= 0 && section < SectionCount)
        sectionFactories_[section] = std::move(factory);
}

void MainViewController::setNotifyCenterFactory(ScreenFactory factory)
{
    notifyCenterFactory_ = std::move(factory);
}

void MainViewController::setPartyScreenFactory(PartyScreenFactory factory)
{
    partyScreenFactory_ = std::move(factory);
}

ViewController *MainViewController::sectionScreen(Section section) const
{
    return section >= 0 && section < SectionCount ? sections_[section].data() : nullptr;
}

void MainViewController::push(ViewController *screen)
{
    if (screen && navigationController())
        navigationController()->pushViewController(screen, true);
}

void MainViewController::selectRow(int row)
{
    if (row < 0 || row >= SectionCount)
        return;
    QPointer<ViewController> &screen = sections_[row];
    if (!screen && sectionFactories_[row]) {
        screen = sectionFactories_[row]();
        // The hub keeps the screen between visits; the stack leaves it alone when it is popped.
        if (screen)
            screen->setParent(this);
    }
    // A kept screen already on the stack is not pushed twice.
    if (screen && navigationController()
        && !navigationController()->viewControllers().contains(screen.data()))
        push(screen);
}

void MainViewController::dropSection(Section section)
{
    ViewController *screen = sections_[section];
    sections_[section] = nullptr;
    if (!screen)
        return;
    NavigationController *stack = screen->navigationController();
    // A screen still shown is left to the stack, which deletes it when it is popped.
    if (stack)
        screen->setParent(stack);
    else
        screen->deleteLater();
}

void MainViewController::receiveNVMessageNotification()
{
    refreshMenu();
}

void MainViewController::receivedRemindNotification()
{
    showNotifyPopView();
}

void MainViewController::showNotifyPopView()
{
    const QString text = QStringLiteral("你有%1条新提醒，点击查看详情")
                             .arg(context().settings().integer(SettingsKeys::feedRemindCount));
    if (text != notifyText_) {
        notifyText_ = text;
        emit notifyTextChanged();
    }
    if (!notifyShown_) {
        notifyShown_ = true;
        emit notifyShownChanged();
    }
    emit notifyPopViewShown();
}

void MainViewController::hideNotifyView()
{
    if (notifyShown_) {
        notifyShown_ = false;
        emit notifyShownChanged();
    }
    // The acknowledgement goes once the pop-up has slid away.
    QTimer::singleShot(kNotifySlideMs, this, &MainViewController::acknowledgeReminders);
}

void MainViewController::acknowledgeReminders()
{
    // An acknowledgement still under way covers this one.
    if (notifyFetcher_)
        return;
    notifyFetcher_ = post(QStringLiteral("my_feed_remind.php"), {{QStringLiteral("feedid"), "0"}},
                          &MainViewController::receivedNotificationsResponse);
}

void MainViewController::closeNotifyView()
{
    hideNotifyView();
}

void MainViewController::gotoNotifyCenter()
{
    hideNotifyView();
    if (notifyCenterFactory_)
        push(notifyCenterFactory_());
}

void MainViewController::footerAdTapped()
{
    const Advertisement *ads = delegate_.ads();
    if (ads && !ads->indexURL.isEmpty())
        context().urlOpener().openWebPage(QUrl(ads->indexURL));
}

void MainViewController::setFooterImage(const QString &image)
{
    if (image == footerImage_)
        return;
    footerImage_ = image;
    emit footerImageChanged();
}

void MainViewController::receivedPartyPushNotification(const QVariant &payload)
{
    if (partyScreenFactory_)
        push(partyScreenFactory_(payload.toMap()));
}

void MainViewController::receivedCitySwitchedNotification()
{
    dropSection(Clubs);
    dropSection(Parties);
}

void MainViewController::receivedUserInfoChangedNotification()
{
    // The reply of a reload under way carries the newest profile already.
    if (userInfoFetcher_)
        return;
    userInfoFetcher_ = post(QStringLiteral("my_userinfo.php"), {},
                            &MainViewController::receivedUserInfoChangedResponse);
}

void MainViewController::receivedADsResponse(JSONFetcher *fetcher)
{
    // The fetcher must not be deleted while it is still calling back.
    fetcher_.release()->deleteLater();
    // The reply brought the first feed counters of this sign-in.
    refreshMenu();
    const auto &result = fetcher->result();
    if (fetcher->status() != 1 || !result) {
        context().alerts().showCommonAlert(fetcher->message(), QString());
        return;
    }
    const nuvora::json::Value &guanggao = (*result)["guanggao"];
    if (!guanggao.isObject()) {
        qCInfo(lcNet) << "option.php: the reply carries no advertisements";
        return;
    }
    delegate_.setAds(Advertisement(guanggao));
    setFooterImage(delegate_.ads()->indexImg);
    context().notifications().post(NotificationNames::adReceived);
}

void MainViewController::receivedNotificationsResponse(JSONFetcher *fetcher)
{
    Q_UNUSED(fetcher)
    notifyFetcher_.release()->deleteLater();
}

void MainViewController::receivedUserInfoChangedResponse(JSONFetcher *fetcher)
{
    userInfoFetcher_.release()->deleteLater();
    const auto &result = fetcher->result();
    if (fetcher->status() != 1 || !result)
        return;
    const nuvora::json::Value &user = (*result)["user"];
    // Without a user object there is nothing to replace the old profile with.
    if (!user.isObject())
        return;
    SettingsStore &settings = context().settings();
    settings.setValue(SettingsKeys::defaultUser, user);
    settings.flush();
    delegate_.setDefaultUser(user);
    refreshMenu();
}
