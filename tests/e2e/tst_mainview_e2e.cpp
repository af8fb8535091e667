// The hub of the demo account against the seeded stand-in server, opened by the real
// session flow and router: live counters, the advertisements, the reminder pop-up and
// its acknowledgement, the cover through the cache.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "app/AppDelegate.h"
#include "app/AppRouter.h"
#include "app/MainViewController.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "model/Session.h"
#include "platform/NavigationController.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/SDImageCache.h"
#include "ui/SDWebImageManager.h"

#include <QFile>
#include <QPointer>
#include <QTest>

class MainViewE2ETest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }
    void demoAccountSeesItsHub();

private:
    DevServerProcess server_;
};

void MainViewE2ETest::demoAccountSeesItsHub()
{
    TestContext test(QUrl(server_.webHost()));
    AppContext &context = test.context();
    ApiTestClient api(server_.webHost());
    const ApiReply login = api.call("account_login.php", {{"email", server_.demoEmail()},
                                                          {"password", server_.demoPassword()}});
    QVERIFY2(login.status() == 1, qPrintable(login.message()));

    AppRouter::install(context);
    AppDelegate &delegate = context.own(std::make_unique<AppDelegate>(context));
    ChatService &chat = ChatService::install(context);
    SDWebImageManager &images = SDWebImageManager::install(context);
    // As launching does, without the launch screen: the session is there already.
    context.notifications().addObserver(
        &delegate, NotificationNames::asyncSocket,
        [&delegate](const QVariant &command) { delegate.receivedSocketNotification(command); });
    Session &session = context.session();
    session.apiServerAddress = server_.apiBase();
    session.socketServer = "127.0.0.1";
    session.socketPort = server_.chatPort();
    context.settings().setString(SettingsKeys::loginToken,
                                 QString::fromStdString(login["logintoken"].toText()));
    session.setDefaultUser(login["user"]);
    context.sessionFlow().finishLogin();

    QTRY_VERIFY(qobject_cast<MainViewController *>(context.navigation().bottomViewController()));
    auto *hub = qobject_cast<MainViewController *>(context.navigation().bottomViewController());
    QCOMPARE(context.navigation().depth(), 1);
    // The advertisements, and the seeded reminders in the same reply.
    QTRY_VERIFY_WITH_TIMEOUT(session.ads(), 10000);
    QVERIFY(hub->footerImage().startsWith(server_.webHost()));
    QVERIFY(!session.ads()->clubs.empty());
    QVERIFY(hub->isNotifyShown());
    const qint64 reminders = context.settings().integer(SettingsKeys::feedRemindCount);
    QVERIFY(reminders > 0);
    QCOMPARE(hub->notifyText(), QStringLiteral("你有%1条新提醒，点击查看详情").arg(reminders));

    // The seeded unread chat messages arrive over the chat connection and are counted.
    QTRY_VERIFY_WITH_TIMEOUT(
        hub->menuTitles().at(int(HubSection::Conversations)).startsWith(QStringLiteral("会话(")),
        10000);
    int unread = 0;
    for (const MessageBox &box : chat.database().unreadMessageBoxes())
        unread += box.count;
    QCOMPARE(hub->menuTitles().at(int(HubSection::Conversations)),
             QStringLiteral("会话(%1条未读消息)").arg(unread));
    const qint64 follow = context.settings().integer(SettingsKeys::feedFollowCount);
    QCOMPARE(hub->menuTitles().at(int(HubSection::Activity)),
             follow ? QStringLiteral("动态(%1条新好友动态)").arg(follow) : QStringLiteral("动态"));
    QCOMPARE(hub->menuTitles().at(int(HubSection::Profile)), session.defaultUser()->nickname);

    // The profile row's cover comes through the cache and lands on disk.
    QVERIFY(!hub->profileCover().isEmpty());
    QObject requester;
    QImage cover;
    images.downloadWithURL(hub->profileCover(), &requester,
                           [&cover](const QImage &image, const QString &) { cover = image; });
    QTRY_VERIFY_WITH_TIMEOUT(!cover.isNull(), 10000);
    images.imageCache()->waitForDiskQueues();
    QVERIFY(QFile::exists(images.imageCache()->cachePathForKey(hub->profileCover())));

    // Closing the pop-up marks the reminders read on the server.
    hub->closeNotifyView();
    QTRY_COMPARE_WITH_TIMEOUT(context.settings().integer(SettingsKeys::feedRemindCount), 0, 10000);
    QVERIFY(!hub->isNotifyShown());
}

QTEST_GUILESS_MAIN(MainViewE2ETest)
#include "tst_mainview_e2e.moc"
