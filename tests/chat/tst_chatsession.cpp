// The chat layer end to end against a scripted loopback server: login, framing of
// what arrives, each server command, the stored and acknowledged batches.

#include "ScriptedChatPeer.h"
#include "TestContext.h"
#include "api/json/JsonReader.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "chat/SocketCenter.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/Clock.h"
#include "platform/JsonVariant.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/Vibration.h"

#include <QDir>
#include <QTest>

#include <sqlite3.h>

namespace json = nuvora::json;

namespace {

json::Value parsed(const QByteArray &line)
{
    return json::JsonReader()
        .objectWithData(line.constData(), size_t(line.size()))
        .value_or(json::Value());
}

} // namespace

class TestChatSession : public QObject {
    Q_OBJECT

    std::unique_ptr<TestContext> test_;
    AppContext *context_ = nullptr;
    ChatService *chat_ = nullptr;
    std::unique_ptr<ScriptedChatPeer> peer_;
    QObject observer_;
    QStringList events_;       // what the user and the shell were asked for, in order
    QList<QVariant> commands_; // every "AsyncSocketNotification" payload
    int messageNotifications_ = 0;
    int shownAlerts_ = 0;
    qsizetype signOutsNoted_ = 0;

    // The shell's sign-outs asked for since the last event, in their place among the events.
    void noteSignOuts()
    {
        const QStringList &calls = test_->sessionFlow().calls;
        for (qsizetype i = signOutsNoted_; i < calls.size(); ++i)
            events_ << calls[i];
        signOutsNoted_ = calls.size();
    }
    const QStringList &events()
    {
        noteSignOuts();
        return events_;
    }

    void connectClient()
    {
        chat_->initializeSocket();
        QVERIFY(peer_->waitForConnection());
        QTRY_VERIFY(chat_->socketCenter().isConnected());
    }
    // Sends lines from the server and waits until the client has handled them all.
    void serverSays(const QByteArray &bytes, int commands)
    {
        const qsizetype before = commands_.size();
        peer_->send(bytes);
        QTRY_COMPARE(commands_.size(), before + commands);
    }
    int storedMessages()
    {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(chat_->database().database(), "select count(*) from message", -1,
                           &statement, nullptr);
        const int count =
            sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
        sqlite3_finalize(statement);
        return count;
    }

private slots:
    void initTestCase() { qputenv("TZ", "Asia/Shanghai"); }

    void init()
    {
        test_ = std::make_unique<TestContext>(QUrl("http://web.example:8080/"));
        context_ = &test_->context();
        chat_ = &ChatService::install(*context_);
        peer_ = std::make_unique<ScriptedChatPeer>();
        context_->session().socketServer = "127.0.0.1";
        context_->session().socketPort = peer_->port();
        context_->session().setDefaultUser(json::Object::adopt({{"uid", 42}}));
        context_->settings().setString(SettingsKeys::loginToken, "token-1");
        context_->settings().setString(SettingsKeys::deviceToken, "abc123");
        events_.clear();
        signOutsNoted_ = 0;
        commands_.clear();
        messageNotifications_ = 0;
        shownAlerts_ = 0;
        // Registered first, as the application delegate does at launch.
        context_->notifications().addObserver(&observer_, NotificationNames::asyncSocket,
                                              [this](const QVariant &command) {
                                                  chat_->receivedSocketNotification(command);
                                                  commands_ << command;
                                              });
        context_->notifications().addObserver(
            &observer_, NotificationNames::message,
            [this](const QVariant &) { ++messageNotifications_; });
        AlertPresenter &alerts = context_->alerts();
        connect(&alerts, &AlertPresenter::alertChanged, &observer_, [this, &alerts] {
            noteSignOuts();
            if (alerts.alertCount() > shownAlerts_)
                events_ << QStringLiteral("alert[%1|%2]")
                               .arg(alerts.alertTitle(), alerts.alertMessage());
            shownAlerts_ = alerts.alertCount();
        });
        connect(&context_->vibration(), &Vibration::vibrated, &observer_, [this] {
            noteSignOuts();
            events_ << "vibrate";
        });
    }

    void cleanup()
    {
        context_->notifications().removeObserver(&observer_);
        QObject::disconnect(&context_->alerts(), nullptr, &observer_, nullptr);
        QObject::disconnect(&context_->vibration(), nullptr, &observer_, nullptr);
        peer_.reset();
        test_.reset();
        context_ = nullptr;
    }

    void loginIsSentOnConnectWithTheStoredTokens()
    {
        connectClient();
        QVERIFY(peer_->waitForLines(1));
        json::Object expected;
        expected.set("command", "logintoken");
        expected.set("terminal", "ios");
        expected.set("version", "2.0.0");
        expected.set("token", "abc123");
        expected.set("logintoken", "token-1");
        QCOMPARE(parsed(peer_->lines()[0]), json::Value(expected));
        QVERIFY(peer_->rawReceived().endsWith("}\r\n"));
    }

    void withoutATokenNoLoginIsSentButCommandsAreRead()
    {
        context_->settings().setString(SettingsKeys::loginToken, "");
        context_->settings().setString(SettingsKeys::deviceToken, "");
        connectClient();
        serverSays("{\"command\":\"alert\",\"info\":\"hi\"}"
                   "\r\n",
                   1);
        QVERIFY(peer_->lines().isEmpty());
        QCOMPARE(events(), QStringList{"alert[|hi]"});
    }

    void aWriteQueuedBeforeTheStreamOpensGoesFirst()
    {
        chat_->socketCenter().sendMessage(
            "{\"command\":\"sendmessage\",\"touid\":7,\"localmsgid\":\"3\",\"message\":\"早\"}");
        QVERIFY(peer_->waitForLines(2));
        QCOMPARE(parsed(peer_->lines()[0])["message"].asString(), std::string("早"));
        QCOMPARE(parsed(peer_->lines()[1])["command"].asString(), std::string("logintoken"));
    }

    void commandsAreFramedAcrossReads()
    {
        connectClient();
        // Two commands in one chunk, with an empty piece between them.
        serverSays("{\"command\":\"notify\",\"n\":1}"
                   "\r\n\r\n"
                   "{\"command\":\"notify\",\"n\":2}"
                   "\r\n",
                   2);
        // A last piece without its end waits for the next chunk.
        peer_->send("{\"command\":\"notify\",\"n\":3}"
                    "\r\n"
                    "{\"command\":\"no");
        QTRY_COMPARE(commands_.size(), 3);
        // The unfinished piece is no command; the next one counts exactly one more.
        serverSays("tify\",\"n\":4}"
                   "\r\n",
                   1);
        // A Chinese character split across two reads.
        const QByteArray alert =
            QStringLiteral("{\"command\":\"alert\",\"info\":\"你好\"}").toUtf8() + "\r\n";
        peer_->sendInPieces({alert.left(alert.indexOf("\xe4\xbd\xa0") + 2),
                             alert.mid(alert.indexOf("\xe4\xbd\xa0") + 2)});
        QTRY_COMPARE(commands_.size(), 5);
        // Text that is not JSON is posted without payload and ignored.
        serverSays("not json\r\n", 1);

        QList<int> order;
        for (int i = 0; i < 4; ++i)
            order << int(JsonVariant::fromVariant(commands_[i])["n"].toInteger());
        QCOMPARE(order, (QList<int>{1, 2, 3, 4}));
        QCOMPARE(JsonVariant::fromVariant(commands_[4])["info"].asString(), std::string("你好"));
        QVERIFY(!commands_[5].isValid());
        QCOMPARE(events(), QStringList{QStringLiteral("alert[|你好]")});
        QVERIFY(chat_->socketCenter().isConnected());
    }

    void anOversizedLineClosesTheConnection()
    {
        connectClient();
        peer_->send(QByteArray(1024 * 1024 + 1, 'x'));
        QVERIFY(peer_->waitForClientClosed());
        QTRY_VERIFY(!chat_->hasSocket());
        QVERIFY(commands_.isEmpty());
        // The next connection starts with a clean slate.
        connectClient();
        serverSays("{\"command\":\"notify\"}"
                   "\r\n",
                   1);
    }

    void loginAnswers()
    {
        connectClient();
        serverSays("{\"command\":\"login\",\"status\":2}"
                   "\r\n",
                   1);
        QVERIFY(!chat_->database().isOpen());
        QVERIFY(events().isEmpty());

        serverSays("{\"command\":\"login\",\"status\":0}"
                   "\r\n",
                   1);
        QVERIFY(chat_->database().isOpen());
        QCOMPARE(chat_->database().fileName(), QString("user42.sqlite3"));
        QVERIFY(
            QFile::exists(QDir(context_->documentsDirectory()).filePath("ChatLog/user42.sqlite3")));
        // Each reconnect answers again; the store is reopened, not leaked.
        sqlite3 *first = chat_->database().database();
        serverSays("{\"command\":\"login\",\"status\":\"0\"}"
                   "\r\n",
                   1);
        QVERIFY(chat_->database().isOpen());
        QVERIFY(first != nullptr);

        serverSays("{\"command\":\"login\",\"status\":1}"
                   "\r\n",
                   1);
        // The sign-out itself is the shell's (its order is the application delegate's).
        QCOMPARE(events(), (QStringList{"alert[请重新登录|]", "logout"}));
    }

    void offlineSignsOutBeforeItsAlert()
    {
        connectClient();
        serverSays("{\"command\":\"offline\",\"info\":\"您的账号在别处登录\"}"
                   "\r\n",
                   1);
        QCOMPARE(events(), (QStringList{"logout", QStringLiteral("alert[|您的账号在别处登录]")}));
    }

    void alertAndNotifyAndUnknownCommands()
    {
        connectClient();
        serverSays("{\"command\":\"alert\",\"info\":\"维护\"}"
                   "\r\n"
                   "{\"command\":\"notify\",\"info\":\"x\"}"
                   "\r\n"
                   "{\"command\":\"whatever\"}"
                   "\r\n"
                   "[1,2]"
                   "\r\n"
                   "{\"info\":\"no command\"}"
                   "\r\n",
                   5);
        QCOMPARE(events(), QStringList{QStringLiteral("alert[|维护]")});
        QVERIFY(chat_->socketCenter().isConnected());
    }

    void redirectMovesTheConnectionAndLogsInAgain()
    {
        ScriptedChatPeer other;
        connectClient();
        QVERIFY(peer_->waitForLines(1));
        serverSays(QStringLiteral("{\"command\":\"redirect\",\"host\":\"127.0.0.1\",\"port\":%1}")
                           .arg(other.port())
                           .toUtf8()
                       + "\r\n",
                   1);
        QVERIFY(other.waitForLines(1));
        QCOMPARE(parsed(other.lines()[0])["logintoken"].asString(), std::string("token-1"));
        QVERIFY(peer_->waitForClientClosed());
        QCOMPARE(context_->session().socketPort, int(other.port()));
        // The stored configuration still names the first server.
        QVERIFY(!context_->settings().contains(SettingsKeys::firstSocketPort));
    }

    void aBatchIsStoredAcknowledgedAndAnnounced()
    {
        connectClient();
        serverSays("{\"command\":\"login\",\"status\":0}"
                   "\r\n",
                   1);
        context_->clock().setNow(QDateTime(QDate(2024, 1, 2), QTime(3, 4)));
        const QByteArray batch = "{\"command\":\"recvmessage\",\"messages\":["
                                 "{\"msgid\":\"m1\",\"senduid\":\"7\",\"nickname\":\"小明\","
                                 "\"avatar\":\"a7\",\"message\":\"it's 好\",\"time\":1700000000},"
                                 "{\"msgid\":102,\"senduid\":7,\"nickname\":\"小明\",\"avatar\":"
                                 "\"a7\",\"message\":\"second\",\"time\":1700000060000},"
                                 "\"not an object\","
                                 "{\"msgid\":\"m3\",\"senduid\":8,\"nickname\":\"x\",\"avatar\":"
                                 "\"a8\",\"message\":\"third\",\"time\":\"1700000000\"}]}"
                                 "\r\n";
        serverSays(batch, 1);
        QVERIFY(peer_->waitForLines(2));
        const json::Value ack = parsed(peer_->lines()[1]);
        QCOMPARE(ack["command"].asString(), std::string("recvmessageresult"));
        QCOMPARE(ack["msgids"], json::Value(json::Array{"m1", 102, "m3"}));
        QCOMPARE(events(), QStringList{"vibrate"});
        QCOMPARE(messageNotifications_, 1);

        Database &db = chat_->database();
        QCOMPARE(storedMessages(), 3);
        const QList<MessageBox> boxes = db.unreadMessageBoxes();
        QCOMPARE(boxes.size(), 2);
        const MessageBox seven = boxes[0].senderuid == 7 ? boxes[0] : boxes[1];
        QCOMPARE(seven.count, 2);
        QCOMPARE(seven.message, QString("second"));
        QCOMPARE(seven.nickname, QStringLiteral("小明"));
        QCOMPARE(seven.avatar, QString("http://web.example:8080/560/a7.jpg!160"));
        QCOMPARE(seven.time, QString("11/15 06:14"));
        const QList<ChatMessage> conversation = db.conversationPage(7, 0);
        QCOMPARE(conversation.size(), 2);
        QCOMPARE(conversation[1].message, QStringLiteral("it's 好"));
        QCOMPARE(conversation[1].time, QString("11/15 06:13"));
        QCOMPARE(conversation[1].receiveruid, 42);

        // The server missed the acknowledgement and sends the batch again.
        serverSays(batch, 1);
        QVERIFY(peer_->waitForLines(3));
        QCOMPARE(parsed(peer_->lines()[2])["msgids"], json::Value(json::Array{"m1", 102, "m3"}));
        QCOMPARE(storedMessages(), 3);
        QCOMPARE(db.unreadMessageBoxes().size(), 2);
        QCOMPARE(messageNotifications_, 2);
    }

    void emptyOrMissingBatchesAreStillAcknowledged()
    {
        connectClient();
        serverSays("{\"command\":\"recvmessage\",\"messages\":[]}"
                   "\r\n"
                   "{\"command\":\"recvmessage\"}"
                   "\r\n"
                   "{\"command\":\"recvmessage\",\"messages\":{\"msgid\":\"1\"}}"
                   "\r\n",
                   3);
        QVERIFY(peer_->waitForLines(4));
        for (int i = 1; i < 4; ++i)
            QCOMPARE(parsed(peer_->lines()[i]),
                     parsed("{\"command\":\"recvmessageresult\",\"msgids\":[]}"));
        QCOMPARE(events(), (QStringList{"vibrate", "vibrate", "vibrate"}));
        QCOMPARE(messageNotifications_, 3);
    }

    void aBatchThatCannotBeStoredIsNotAcknowledged()
    {
        connectClient();
        // No login answer yet, so no store is open.
        serverSays("{\"command\":\"recvmessage\",\"messages\":[{\"msgid\":\"9\",\"senduid\":1,"
                   "\"message\":\"x\"}]}"
                   "\r\n",
                   1);
        // A line the client sends afterwards arrives right after the login: no
        // acknowledgement went out before it.
        chat_->socketCenter().sendMessage("{\"command\":\"probe\"}");
        QVERIFY(peer_->waitForLines(2));
        QCOMPARE(parsed(peer_->lines()[1])["command"].asString(), std::string("probe"));
        QCOMPARE(messageNotifications_, 1);
    }

    void aDroppedConnectionIsNotRetriedUntilAsked()
    {
        connectClient();
        peer_->closeClient();
        QTRY_VERIFY(!chat_->hasSocket());
        // Without a socket no connection attempt is under way.
        QCOMPARE(peer_->connectionCount(), 1);
        // Sending reconnects, and the command goes out on the new connection.
        chat_->socketCenter().sendMessage("{\"command\":\"sendmessage\"}");
        QVERIFY(peer_->waitForConnection(2));
        QTRY_VERIFY(peer_->lines().contains("{\"command\":\"sendmessage\"}"));
    }
};

QTEST_GUILESS_MAIN(TestChatSession)
#include "tst_chatsession.moc"
