#include "MainViewController.h"

#include "chat/ChatMessenger.h"
#include "chat/Database.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/LogCategories.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"
#include "ui/ExternalAddress.h"

#include <QTimer>

MainViewController::MainViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), adsRequest_(new RequestSlot(context, this)),
      notifyRequest_(new RequestSlot(context, this)),
      userInfoRequest_(new RequestSlot(context, this))
{
}

MainViewController::~MainViewController() = default;

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
    // The unread count is read from the store, which opens after the chat login.
    connect(&context().messenger(), &ChatMessenger::storeOpened, this,
            &MainViewController::refreshMenu);

    if (const auto &ads = context().session().ads())
        setFooterImage(ads->indexImg);
    adsRequest_->post(
        QStringLiteral("option.php"), {},
        [this](const JSONFetcher &reply) { receivedADsResponse(reply); },
        [this](const JSONFetcher &reply) {
            // The reply brought the first feed counters of this sign-in all the same.
            refreshMenu();
            adsRequest_->alertFailure(reply);
        });
    refreshMenu();
}

void MainViewController::viewWillAppear(bool animated)
{
    Q_UNUSED(animated)
    refreshMenu();
}

int MainViewController::unreadMessageCount() const
{
    int unread = 0;
    for (const MessageBox &box : context().messageStore().unreadMessageBoxes())
        unread += box.count;
    return unread;
}

void MainViewController::refreshMenu()
{
    const qint64 follow = context().settings().integer(SettingsKeys::feedFollowCount);
    const int unread = unreadMessageCount();
    const std::optional<User> &user = context().session().defaultUser();

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

ViewController *MainViewController::sectionScreen(HubSection section) const
{
    return section < HubSection::Count ? sections_[size_t(section)].data() : nullptr;
}

void MainViewController::selectRow(int row)
{
    if (row < 0 || row >= int(HubSection::Count))
        return;
    QPointer<ViewController> &screen = sections_[size_t(row)];
    if (!screen) {
        screen = context().router().makeHubSectionScreen(HubSection(row));
        // The hub keeps the screen between visits; the stack leaves it alone when it is popped.
        if (screen)
            screen->setParent(this);
    }
    // A kept screen already on the stack is not pushed twice.
    NavigationController &navigation = context().navigation();
    if (screen && !navigation.viewControllers().contains(screen.data()))
        navigation.pushViewController(screen, true);
}

void MainViewController::dropSection(HubSection section)
{
    ViewController *screen = sections_[size_t(section)];
    sections_[size_t(section)] = nullptr;
    if (!screen)
        return;
    // A screen still shown is left to the stack, which deletes it when it is popped.
    if (screen->isOnStack())
        screen->setParent(&context().navigation());
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
    // An acknowledgement still under way covers this one; its answer says nothing new.
    const auto ignore = [](const JSONFetcher &) {};
    notifyRequest_->post(QStringLiteral("my_feed_remind.php"), {{QStringLiteral("feedid"), "0"}},
                         ignore, ignore);
}

void MainViewController::closeNotifyView()
{
    hideNotifyView();
}

void MainViewController::gotoNotifyCenter()
{
    hideNotifyView();
    context().router().openReminderList();
}

void MainViewController::footerAdTapped()
{
    const auto &ads = context().session().ads();
    if (ads && !ads->indexURL.isEmpty())
        ExternalAddress::openWebPage(context(), QUrl(ads->indexURL));
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
    bool valid = false;
    // Read as text, so that a fraction (15.5) is refused instead of rounded.
    const int partyId = payload.toMap().value(QStringLiteral("pid")).toString().toInt(&valid);
    // An id that is not a positive integer names no party.
    if (valid && partyId > 0)
        context().router().openPartyWithId(partyId);
}

void MainViewController::receivedCitySwitchedNotification()
{
    dropSection(HubSection::Clubs);
    dropSection(HubSection::Parties);
}

void MainViewController::receivedUserInfoChangedNotification()
{
    // The reply of a reload under way carries the newest profile already; a failed
    // reload keeps the profile shown.
    userInfoRequest_->post(
        QStringLiteral("my_userinfo.php"), {},
        [this](const JSONFetcher &reply) { receivedUserInfoChangedResponse(reply); },
        [](const JSONFetcher &) {});
}

void MainViewController::receivedADsResponse(const JSONFetcher &reply)
{
    // The reply brought the first feed counters of this sign-in.
    refreshMenu();
    const nuvora::json::Value &guanggao = reply.reply()["guanggao"];
    if (!guanggao.isObject()) {
        qCInfo(lcNet) << "option.php: the reply carries no advertisements";
        return;
    }
    Session &session = context().session();
    session.setAds(Advertisement(guanggao));
    setFooterImage(session.ads()->indexImg);
    context().notifications().post(NotificationNames::adReceived);
}

void MainViewController::receivedUserInfoChangedResponse(const JSONFetcher &reply)
{
    const nuvora::json::Value &user = reply.reply()["user"];
    // Without a user object there is nothing to replace the old profile with.
    if (!user.isObject())
        return;
    context().session().saveDefaultUser(context().settings(), user);
    refreshMenu();
}
