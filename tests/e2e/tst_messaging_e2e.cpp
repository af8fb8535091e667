// The messaging screens against the stand-in server, through the real router and
// session flow: the demo account's seeded conversations from the hub, two users
// chatting both ways with their chat screens open, and a message sent to a signed
// out user arriving at login once and showing once.

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
#include "screens/messaging/ChatRow.h"
#include "screens/messaging/ChatViewController.h"
#include "screens/messaging/MessageBoxRow.h"
#include "screens/messaging/MessageBoxViewController.h"
#include "ui/EmojiMapping.h"

#include <QTest>

namespace {

// One phone: its own context with the real router, session flow and chat layer.
class Phone {
public:
    Phone(DevServerProcess &server, const QString &email, const QString &password)
        : test_(QUrl(server.webHost())), server_(server), email_(email), password_(password)
    {
        AppContext &context = test_.context();
        AppRouter::install(context);
        delegate_ = &context.own(std::make_unique<AppDelegate>(context));
        chat_ = &ChatService::install(context);
        context.notifications().addObserver(
            delegate_, NotificationNames::asyncSocket,
            [this](const QVariant &command) { delegate_->receivedSocketNotification(command); });
        Session &session = context.session();
        session.apiServerAddress = server.apiBase();
        session.socketServer = QStringLiteral("127.0.0.1");
        session.socketPort = server.chatPort();
    }

    AppContext &context() { return test_.context(); }
    Database &store() { return chat_->database(); }
    int uid() const { return uid_; }
    User user() const
    {
        User user;
        user.userId = uid_;
        user.nickname = nickname_;
        return user;
    }

    // Signs in as the sign-in screen would, up to the hub and the open store.
    bool signIn()
    {
        ApiTestClient api(server_.webHost());
        const ApiReply login =
            api.call("account_login.php", {{"email", email_}, {"password", password_}});
        if (login.status() != 1)
            return false;
        context().settings().setString(SettingsKeys::loginToken,
                                       QString::fromStdString(login["logintoken"].toText()));
        context().session().setDefaultUser(login["user"]);
        uid_ = int(context().session().userId());
        nickname_ = context().session().defaultUser()->nickname;
        delegate_->finishLogin();
        return QTest::qWaitFor([this] { return store().isOpen(); }, 10000);
    }
    void signOut() { delegate_->logout(); }

    ViewController *top() { return context().navigation().topViewController(); }
    MainViewController *hub()
    {
        return qobject_cast<MainViewController *>(context().navigation().bottomViewController());
    }
    ChatViewController *openChat(const User &partner)
    {
        context().router().openChat(partner);
        return qobject_cast<ChatViewController *>(top());
    }
    static bool send(ChatViewController *screen, const QString &text)
    {
        screen->composer()->textEdited(text);
        screen->composer()->send();
        return screen->composer()->text().isEmpty();
    }
    static QStringList shown(const ChatViewController *screen)
    {
        QStringList texts;
        for (int row = 0; row < screen->dataSource()->count(); ++row)
            texts << screen->dataSource()->recordAt<ChatRow>(row)->message.message;
        return texts;
    }

private:
    TestContext test_;
    DevServerProcess &server_;
    QString email_;
    QString password_;
    AppDelegate *delegate_ = nullptr;
    ChatService *chat_ = nullptr;
    int uid_ = 0;
    QString nickname_;
};

int rowIndexOf(const MessageBoxViewController &list, int uid)
{
    for (int row = 0; row < list.dataSource()->count(); ++row) {
        if (list.dataSource()->recordAt<MessageBoxRow>(row)->senderuid() == uid)
            return row;
    }
    return -1;
}

std::optional<MessageBoxRow> rowOf(const MessageBoxViewController &list, int uid)
{
    return list.dataSource()->recordAt<MessageBoxRow>(rowIndexOf(list, uid));
}

} // namespace

class TestMessagingE2e : public QObject {
    Q_OBJECT

    DevServerProcess server_;

    // The messages the stand-in delivered to the user's connections.
    QStringList deliveredTo(int uid)
    {
        ApiTestClient dev(server_.webHost());
        const ApiReply reply = dev.get(QStringLiteral("/dev/delivered?uid=%1").arg(uid));
        QStringList texts;
        const nuvora::json::Value &commands = reply["commands"];
        if (!commands.isArray())
            return texts;
        for (const nuvora::json::Value &command : commands.asArray()) {
            if (command["command"].asString() != "recvmessage" || !command["messages"].isArray())
                continue;
            for (const nuvora::json::Value &message : command["messages"].asArray())
                texts << QString::fromStdString(message["message"].toText());
        }
        return texts;
    }

private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }

    void theHubListsTheSeededConversations()
    {
        Phone demo(server_, server_.demoEmail(), server_.demoPassword());
        Phone partner(server_, "user15@nuvora.cn", "password15");
        QVERIFY(demo.signIn());
        QTRY_VERIFY_WITH_TIMEOUT(demo.hub()
                                     ->menuTitles()
                                     .at(int(HubSection::Conversations))
                                     .startsWith(QStringLiteral("会话(")),
                                 10000);

        demo.hub()->selectRow(int(HubSection::Conversations));
        auto *list = qobject_cast<MessageBoxViewController *>(demo.top());
        QVERIFY(list);
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(*list, 17) && rowOf(*list, 17)->box.count == 26, 10000);
        QVERIFY(rowOf(*list, 17)->subtitle.startsWith(QStringLiteral("26条新消息，")));

        // Opened: the latest twenty, emoji shown as standard emoji, and read.
        list->selectRow(rowIndexOf(*list, 17));
        auto *chat = qobject_cast<ChatViewController *>(demo.top());
        QVERIFY(chat);
        QCOMPARE(chat->user().userId, 17);
        QCOMPARE(chat->dataSource()->count(), 20);
        bool emojiShown = false;
        for (int row = 0; row < 20; ++row) {
            const ChatRow message = *chat->dataSource()->recordAt<ChatRow>(row);
            QVERIFY(message.received);
            for (QChar character : message.message.message) {
                if (character.category() == QChar::Other_PrivateUse) {
                    QVERIFY(!message.text.contains(character));
                    emojiShown = true;
                }
            }
        }
        QVERIFY(emojiShown);
        for (const MessageBox &unread : demo.store().unreadMessageBoxes())
            QVERIFY(unread.senderuid != 17);

        // A reply reaches the other party and shows once on each side.
        QVERIFY(partner.signIn());
        const QString reply = QStringLiteral("收到，今晚见") + QChar(0xE415);
        QVERIFY(Phone::send(chat, reply));
        QCOMPARE(Phone::shown(chat).count(reply), 1);
        QTRY_VERIFY_WITH_TIMEOUT(deliveredTo(17).contains(reply), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(partner.store().conversationPage(demo.uid(), 0).value(0).message,
                                  reply, 10000);
        demo.context().navigation().popViewController(false);
        QCOMPARE(rowOf(*list, 17)->box.count, 0);
        QCOMPARE(rowOf(*list, 17)->box.message, reply);
    }

    void twoUsersChatBothWaysWithTheirScreensOpen()
    {
        Phone alice(server_, "user21@nuvora.cn", "password21");
        Phone bob(server_, "user22@nuvora.cn", "password22");
        QVERIFY(alice.signIn());
        QVERIFY(bob.signIn());
        // Nobody chats with themselves.
        QVERIFY(!alice.openChat(alice.user()));
        ChatViewController *aliceChat = alice.openChat(bob.user());
        ChatViewController *bobChat = bob.openChat(alice.user());
        QVERIFY(aliceChat && bobChat);

        QVERIFY(Phone::send(aliceChat, QStringLiteral("在吗？it's me")));
        QTRY_COMPARE_WITH_TIMEOUT(Phone::shown(bobChat),
                                  QStringList{QStringLiteral("在吗？it's me")}, 10000);
        QVERIFY(Phone::send(bobChat, QStringLiteral("在") + QChar(0xE056)));
        QTRY_COMPARE_WITH_TIMEOUT(
            Phone::shown(aliceChat),
            (QStringList{QStringLiteral("在吗？it's me"), QStringLiteral("在") + QChar(0xE056)}),
            10000);
        QCOMPARE(Phone::shown(bobChat).size(), 2);
    }

    void aMessageToASignedOutUserArrivesOnceAtLogin()
    {
        Phone alice(server_, "user23@nuvora.cn", "password23");
        Phone bob(server_, "user24@nuvora.cn", "password24");
        QVERIFY(bob.signIn());
        const User bobUser = bob.user();
        bob.signOut();
        QVERIFY(alice.signIn());
        ChatViewController *aliceChat = alice.openChat(bobUser);
        QVERIFY(Phone::send(aliceChat, QStringLiteral("上线后看到我")));
        QTRY_VERIFY_WITH_TIMEOUT(
            ApiTestClient(server_.webHost())
                    .get(QStringLiteral("/dev/resend?uid=%1").arg(bobUser.userId))["pending"]
                    .toInteger()
                == 1,
            10000);

        QVERIFY(bob.signIn());
        bob.hub()->selectRow(int(HubSection::Conversations));
        auto *list = qobject_cast<MessageBoxViewController *>(bob.top());
        QVERIFY(list);
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(*list, alice.uid()), 10000);
        QCOMPARE(rowOf(*list, alice.uid())->box.count, 1);
        list->selectRow(rowIndexOf(*list, alice.uid()));
        auto *bobChat = qobject_cast<ChatViewController *>(bob.top());
        QVERIFY(bobChat);
        QCOMPARE(Phone::shown(bobChat), QStringList{QStringLiteral("上线后看到我")});

        QCOMPARE(deliveredTo(bobUser.userId).count(QStringLiteral("上线后看到我")), 1);
        QCOMPARE(bob.store().conversationPage(alice.uid(), 0).size(), 1);
    }
};

QTEST_MAIN(TestMessagingE2e)
#include "tst_messaging_e2e.moc"
