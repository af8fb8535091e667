// The chat layer against the stand-in chat server: two clients exchange
// messages, a receiver who was away gets the queue at login, and a batch whose
// acknowledgement was lost is delivered again and stored once.

#include "ApiTestClient.h"
#include "DevServerProcess.h"
#include "TestContext.h"
#include "chat/ChatMessenger.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "chat/SocketCenter.h"
#include "model/Session.h"
#include "platform/Clock.h"
#include "platform/JsonVariant.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QTest>

#include <sqlite3.h>

namespace {

// One signed-in phone: its own context, chat layer and store.
class Phone {
public:
    Phone(DevServerProcess &server, const QString &email, const QString &password)
        : context_(QUrl(server.webHost()))
    {
        ApiTestClient api(server.webHost());
        const ApiReply reply =
            api.call("account_login.php", {{"email", email}, {"password", password}});
        QVERIFY2(reply.status() == 1, qPrintable(reply.message()));
        AppContext &context = context_.context();
        context.settings().setString(SettingsKeys::loginToken,
                                     QString::fromStdString(reply["logintoken"].toText()));
        context.session().setDefaultUser(reply["user"]);
        context.session().socketServer = "127.0.0.1";
        context.session().socketPort = server.chatPort();
        chat_ = &ChatService::install(context);
        context.notifications().addObserver(
            &observer_, NotificationNames::asyncSocket,
            [this](const QVariant &command) { chat_->receivedSocketNotification(command); });
    }

    int uid() { return int(context_->session().userId()); }
    ChatService &chat() { return *chat_; }
    AppContext &context() { return context_.context(); }

    bool signIn()
    {
        chat_->initializeSocket();
        return QTest::qWaitFor([this] { return chat_->database().isOpen(); }, 10000);
    }
    // As the chat screen does: stored first, then the command with its local id.
    void send(int to, const QString &text)
    {
        User receiver;
        receiver.userId = to;
        QCOMPARE(chat_->messenger().send(receiver, text).result, ChatMessenger::SendResult::Sent);
    }
    QStringList receivedFrom(int sender)
    {
        QStringList texts;
        for (const ChatMessage &message : chat_->database().conversationPage(sender, 0))
            if (message.senderuid == sender)
                texts.prepend(message.message);
        return texts;
    }
    int storedRows()
    {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(chat_->database().database(), "select count(*) from message", -1,
                           &statement, nullptr);
        const int count =
            sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
        sqlite3_finalize(statement);
        return count;
    }

    // The messages the stand-in still holds for this user, unacknowledged.
    static int pendingFor(DevServerProcess &server, int uid)
    {
        ApiTestClient dev(server.webHost());
        return int(dev.get(QStringLiteral("/dev/resend?uid=%1").arg(uid))["pending"].toInteger());
    }

private:
    TestContext context_;
    ChatService *chat_ = nullptr;
    QObject observer_;
};

} // namespace

class TestChatE2e : public QObject {
    Q_OBJECT

    DevServerProcess server_;

private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }

    void twoClientsExchangeMessages()
    {
        Phone alice(server_, "user1@nuvora.cn", "password1");
        Phone bob(server_, "user2@nuvora.cn", "password2");
        QVERIFY(alice.signIn());
        QVERIFY(bob.signIn());

        alice.send(bob.uid(), QStringLiteral("今晚去哪儿？ it's on"));
        QTRY_COMPARE_WITH_TIMEOUT(bob.receivedFrom(alice.uid()),
                                  QStringList{QStringLiteral("今晚去哪儿？ it's on")}, 10000);
        const QList<MessageBox> boxes = bob.chat().database().unreadMessageBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].senderuid, alice.uid());
        QCOMPARE(boxes[0].count, 1);
        QVERIFY(boxes[0].avatar.startsWith(server_.webHost() + "/560/"));

        // Replying reads the conversation.
        bob.send(alice.uid(), QStringLiteral("老地方见"));
        QTRY_COMPARE_WITH_TIMEOUT(alice.receivedFrom(bob.uid()),
                                  QStringList{QStringLiteral("老地方见")}, 10000);
        QVERIFY(bob.chat().database().unreadMessageBoxes().isEmpty());
        QCOMPARE(bob.chat().database().messageBoxesByDate().value(0).message,
                 QStringLiteral("老地方见"));
    }

    void anAbsentReceiverGetsTheQueueAtLogin()
    {
        Phone alice(server_, "user3@nuvora.cn", "password3");
        Phone bob(server_, "user4@nuvora.cn", "password4");
        QVERIFY(alice.signIn());
        for (const char *text : {"one", "two", "three"})
            alice.send(bob.uid(), QString::fromUtf8(text));
        QTRY_COMPARE_WITH_TIMEOUT(Phone::pendingFor(server_, bob.uid()), 3, 10000);
        QVERIFY(bob.signIn());
        QTRY_COMPARE_WITH_TIMEOUT(bob.receivedFrom(alice.uid()),
                                  (QStringList{"one", "two", "three"}), 10000);
        QCOMPARE(bob.chat().database().unreadMessageBoxes().value(0).count, 3);
    }

    void aBatchWhoseAcknowledgementWasLostIsStoredOnce()
    {
        Phone alice(server_, "user5@nuvora.cn", "password5");
        Phone bob(server_, "user6@nuvora.cn", "password6");
        QVERIFY(alice.signIn());
        alice.send(bob.uid(), "first");
        alice.send(bob.uid(), "second");
        QTRY_COMPARE_WITH_TIMEOUT(Phone::pendingFor(server_, bob.uid()), 2, 10000);

        // The connection dies right after the batch was stored, before the queued
        // acknowledgement could go out.
        QObject killer;
        int batches = 0;
        bob.context().notifications().addObserver(
            &killer, NotificationNames::asyncSocket, [&](const QVariant &command) {
                if (JsonVariant::fromVariant(command)["command"].asString() == "recvmessage"
                    && ++batches == 1)
                    bob.chat().disconnectSocket();
            });
        QVERIFY(bob.signIn());
        QTRY_COMPARE_WITH_TIMEOUT(bob.storedRows(), 2, 10000);
        QTRY_VERIFY(!bob.chat().hasSocket());

        bob.chat().initializeSocket();
        QTRY_COMPARE_WITH_TIMEOUT(batches, 2, 10000);
        // Acknowledged this time: the stand-in holds nothing more for bob.
        QTRY_COMPARE_WITH_TIMEOUT(Phone::pendingFor(server_, bob.uid()), 0, 10000);
        QCOMPARE(bob.receivedFrom(alice.uid()), (QStringList{"first", "second"}));
        QCOMPARE(bob.chat().database().unreadMessageBoxes().value(0).count, 2);

        // So the next login brings nothing new: its answer comes, and no batch.
        int logins = 0;
        QObject loginWatcher;
        bob.context().notifications().addObserver(
            &loginWatcher, NotificationNames::asyncSocket, [&](const QVariant &command) {
                logins += JsonVariant::fromVariant(command)["command"].asString() == "login";
            });
        bob.chat().disconnectSocket();
        bob.chat().initializeSocket();
        QTRY_COMPARE_WITH_TIMEOUT(logins, 1, 10000);
        QCOMPARE(batches, 2);
        QCOMPARE(bob.storedRows(), 2);
    }
};

QTEST_GUILESS_MAIN(TestChatE2e)
#include "tst_chat_e2e.moc"
