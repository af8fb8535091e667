// What screens use of the chat layer, against a scripted loopback server: the
// messages a batch newly stored, the send operation's answers, the store-opened
// event, the lines of a read that follow a sign-out or a move, batches that fail
// part-way, and the store following the signed-in user from file to file.

#include "ScriptedChatPeer.h"
#include "TestContext.h"
#include "api/json/JsonReader.h"
#include "chat/ChatMessenger.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "chat/SocketCenter.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SessionFlow.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/Vibration.h"

#include <QDir>
#include <QSignalSpy>
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

QByteArray batch(const QList<std::pair<const char *, int>> &messages)
{
    QByteArray text = R"({"command":"recvmessage","messages":[)";
    for (qsizetype i = 0; i < messages.size(); ++i) {
        text += (i ? "," : "")
                + QStringLiteral(R"({"msgid":"%1","senduid":%2,"nickname":"小夜",)"
                                 R"("avatar":"a","message":"text %1","time":1700000000})")
                      .arg(QString::fromLatin1(messages[i].first))
                      .arg(messages[i].second)
                      .toUtf8();
    }
    return text + "]}\r\n";
}

int rowsIn(const QString &path, const char *sql = "select count(*) from message")
{
    sqlite3 *db = nullptr;
    int count = -1;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr)
        == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        if (sqlite3_step(statement) == SQLITE_ROW)
            count = sqlite3_column_int(statement, 0);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return count;
}

// Signs out as the application delegate does: store closed, user dropped,
// connection gone.
class SigningOutFlow : public SessionFlow {
public:
    explicit SigningOutFlow(AppContext &context) : context_(context) {}
    void finishLogin() override {}
    void gotoLogin() override {}
    void logout() override
    {
        ++logouts;
        context_.chat().closeStore();
        context_.session().setDefaultUser(std::nullopt);
        context_.chat().disconnectSocket();
    }
    int logouts = 0;

private:
    AppContext &context_;
};

} // namespace

class TestChatCore : public QObject {
    Q_OBJECT

    std::unique_ptr<TestContext> test_;
    std::unique_ptr<SigningOutFlow> flow_;
    std::unique_ptr<ScriptedChatPeer> peer_;
    ChatService *chat_ = nullptr;
    QObject observer_;
    int handled_ = 0; // commands the application-wide handler saw

    AppContext &context() { return test_->context(); }
    ChatMessenger &messenger() { return chat_->messenger(); }
    QString storePath(int uid)
    {
        return QDir(context().documentsDirectory())
            .filePath(QStringLiteral("ChatLog/user%1.sqlite3").arg(uid));
    }
    void signIn(int uid)
    {
        context().session().setDefaultUser(json::Object::adopt({{"uid", uid}}));
    }
    void connectClient(int connection = 1)
    {
        chat_->initializeSocket();
        QVERIFY(peer_->waitForConnection(connection));
        QTRY_VERIFY(chat_->socketCenter().isConnected());
    }
    // Sends lines from the server and waits until the client has handled them.
    void serverSays(const QByteArray &bytes, int commands)
    {
        const int before = handled_;
        peer_->send(bytes);
        QTRY_COMPARE(handled_, before + commands);
    }
    void acceptLogin()
    {
        serverSays("{\"command\":\"login\",\"status\":0}\r\n", 1);
        QVERIFY(chat_->database().isOpen());
    }
    // Everything the client queued so far has reached the peer: a marker sent now
    // arrives after it.
    QList<QByteArray> linesSoFar()
    {
        const QByteArray marker = "{\"command\":\"marker\"}";
        chat_->socketCenter().sendMessage(QString::fromLatin1(marker));
        if (!QTest::qWaitFor([&] { return peer_->lines().endsWith(marker); }, 5000))
            return {"no marker"};
        QList<QByteArray> lines = peer_->lines();
        lines.removeAll(marker);
        return lines;
    }
    QList<json::Value> acknowledgements()
    {
        QList<json::Value> acks;
        for (const QByteArray &line : linesSoFar()) {
            const json::Value command = parsed(line);
            if (command["command"].asString() == "recvmessageresult")
                acks << command["msgids"];
        }
        return acks;
    }

private slots:
    void init()
    {
        test_ = std::make_unique<TestContext>(QUrl("http://web.example:8080/"));
        flow_ = std::make_unique<SigningOutFlow>(context());
        context().setSessionFlow(flow_.get());
        chat_ = &ChatService::install(context());
        peer_ = std::make_unique<ScriptedChatPeer>();
        context().session().socketServer = "127.0.0.1";
        context().session().socketPort = peer_->port();
        context().settings().setString(SettingsKeys::loginToken, "token-1");
        signIn(42);
        handled_ = 0;
        // Registered first, as the application delegate does at launch.
        context().notifications().addObserver(&observer_, NotificationNames::asyncSocket,
                                              [this](const QVariant &command) {
                                                  chat_->receivedSocketNotification(command);
                                                  ++handled_;
                                              });
    }

    void cleanup()
    {
        context().notifications().removeObserver(&observer_);
        peer_.reset();
        test_.reset();
        flow_.reset();
    }

    void theStoreOpenedEventFollowsAnAcceptedLogin()
    {
        QSignalSpy opened(&messenger(), &ChatMessenger::storeOpened);
        connectClient();
        serverSays("{\"command\":\"login\",\"status\":2}\r\n", 1);
        QCOMPARE(opened.count(), 0);
        acceptLogin();
        QCOMPARE(opened.count(), 1);
        // Every reconnect answers again, and the screens reload again.
        acceptLogin();
        QCOMPARE(opened.count(), 2);

        // A store that cannot open is no event.
        chat_->closeStore();
        QVERIFY(QFile::remove(storePath(42)));
        QVERIFY(QDir().mkpath(storePath(42)));
        serverSays("{\"command\":\"login\",\"status\":0}\r\n", 1);
        QVERIFY(!chat_->database().isOpen());
        QCOMPARE(opened.count(), 2);
    }

    void aReSentBatchReportsOnlyWhatItNewlyStored()
    {
        connectClient();
        acceptLogin();
        QSignalSpy stored(&messenger(), &ChatMessenger::messagesStored);
        serverSays(batch({{"m1", 7}, {"m2", 8}}), 1);
        QCOMPARE(stored.count(), 1);
        auto first = stored.takeFirst().at(0).value<QList<ChatMessage>>();
        QCOMPARE(first.size(), 2);
        QCOMPARE(first[0].msgid, QString("m1"));
        QCOMPARE(first[1].senderuid, 8);
        QVERIFY(first[0].localmsgid > 0);
        QCOMPARE(first[1].localmsgid, first[0].localmsgid + 1);

        // The server missed the acknowledgement: the same batch with one more.
        serverSays(batch({{"m1", 7}, {"m2", 8}, {"m3", 7}}), 1);
        QCOMPARE(stored.count(), 1);
        auto second = stored.takeFirst().at(0).value<QList<ChatMessage>>();
        QCOMPARE(second.size(), 1);
        QCOMPARE(second[0].msgid, QString("m3"));
        // Rows read back carry both ids.
        const QList<ChatMessage> page = chat_->database().conversationPage(7, 0);
        QCOMPARE(page.value(0).localmsgid, second[0].localmsgid);
        QCOMPARE(page.value(0).msgid, QString("m3"));

        // Nothing new: acknowledged, but nothing reported.
        serverSays(batch({{"m3", 7}}), 1);
        QCOMPARE(stored.count(), 0);
        QCOMPARE(acknowledgements(), (QList<json::Value>{json::Value(json::Array{"m1", "m2"}),
                                                         json::Value(json::Array{"m1", "m2", "m3"}),
                                                         json::Value(json::Array{"m3"})}));
    }

    void sendAnswersAndWhatEachLeaves()
    {
        User partner;
        partner.userId = 7;
        partner.nickname = QStringLiteral("小明");
        partner.avatar = "http://img/a7.jpg!100";

        // No connection at all.
        ChatMessenger::Outcome outcome = messenger().send(partner, "hello");
        QCOMPARE(outcome.result, ChatMessenger::SendResult::NotConnected);

        // Connected, but the server has not accepted the login: no store yet.
        connectClient();
        outcome = messenger().send(partner, "hello");
        QCOMPARE(outcome.result, ChatMessenger::SendResult::NotStored);

        acceptLogin();
        outcome = messenger().send(partner, QString(501, QChar(0xE415)));
        QCOMPARE(outcome.result, ChatMessenger::SendResult::TooLong);
        QCOMPARE(rowsIn(storePath(42)), 0);

        // An unread conversation: sending resets its count and takes its text.
        serverSays(batch({{"m1", 7}}), 1);
        const QString text = QString(499, QChar(u'夜')) + QChar(0xE415);
        outcome = messenger().send(partner, text);
        QCOMPARE(outcome.result, ChatMessenger::SendResult::Sent);
        QCOMPARE(outcome.message.message, text);
        QCOMPARE(outcome.message.msgid, QString("0"));
        QCOMPARE(outcome.message.receiveruid, 7);
        QCOMPARE(outcome.message.senderuid, 42);
        const QList<ChatMessage> page = chat_->database().conversationPage(7, 0);
        QCOMPARE(page.size(), 2);
        QCOMPARE(page[0].localmsgid, outcome.message.localmsgid);
        const MessageBox box = chat_->database().messageBoxesByDate().value(0);
        QCOMPARE(box.count, 0);
        QCOMPARE(box.message, text);
        QCOMPARE(box.nickname, QStringLiteral("小明"));

        QList<json::Value> sent;
        for (const QByteArray &line : linesSoFar()) {
            if (parsed(line)["command"].asString() == "sendmessage")
                sent << parsed(line);
        }
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0]["touid"].toInteger(), 7);
        QCOMPARE(QString::fromStdString(sent[0]["localmsgid"].asString()),
                 QString::number(outcome.message.localmsgid));
        QCOMPARE(QString::fromStdString(sent[0]["message"].asString()), text);
    }

    void aMessageTheConnectionTookWithItIsReported()
    {
        connectClient();
        acceptLogin();
        User partner;
        partner.userId = 7;
        QSignalSpy lost(&messenger(), &ChatMessenger::messagesNotWritten);
        const ChatMessenger::Outcome outcome = messenger().send(partner, "late");
        QCOMPARE(outcome.result, ChatMessenger::SendResult::Sent);
        // Gone before the event loop could write it.
        chat_->disconnectSocket();
        QCOMPARE(lost.count(), 1);
        QCOMPARE(lost.at(0).at(0).value<QList<qint64>>(),
                 QList<qint64>{outcome.message.localmsgid});
        // The row stays as it was.
        QCOMPARE(chat_->database().conversationPage(7, 0).value(0).message, QString("late"));

        // A message that was written is not reported when the connection goes later.
        connectClient(2);
        acceptLogin();
        messenger().send(partner, "on time");
        QVERIFY(!linesSoFar().isEmpty());
        chat_->disconnectSocket();
        QCOMPARE(lost.count(), 1);
    }

    void linesAfterASignOutInTheSameReadAreNotHandled()
    {
        connectClient();
        acceptLogin();
        QSignalSpy stored(&messenger(), &ChatMessenger::messagesStored);
        const int before = handled_;
        peer_->send("{\"command\":\"offline\",\"info\":\"您的账号在别处登录\"}\r\n"
                    + batch({{"m9", 7}}) + "{\"command\":\"alert\",\"info\":\"later\"}\r\n");
        QTRY_COMPARE(flow_->logouts, 1);
        QCOMPARE(handled_, before + 1);
        QCOMPARE(context().vibration().count(), 0);
        QCOMPARE(stored.count(), 0);
        QCOMPARE(context().alerts().alertCount(), 1);
        QCOMPARE(context().alerts().alertMessage(), QStringLiteral("您的账号在别处登录"));
        QVERIFY(peer_->waitForClientClosed());
        QCOMPARE(rowsIn(storePath(42)), 0);
    }

    void linesAfterARedirectInTheSameReadAreNotHandled()
    {
        ScriptedChatPeer other;
        connectClient();
        acceptLogin();
        const int before = handled_;
        peer_->send(
            QStringLiteral("{\"command\":\"redirect\",\"host\":\"127.0.0.1\",\"port\":%1}\r\n")
                .arg(other.port())
                .toUtf8()
            + batch({{"m9", 7}}) + "{\"command\":\"alert\",\"info\":\"later\"}\r\n");
        QVERIFY(other.waitForLines(1));
        QCOMPARE(parsed(other.lines()[0])["command"].asString(), std::string("logintoken"));
        QCOMPARE(handled_, before + 1);
        QCOMPARE(context().vibration().count(), 0);
        QCOMPARE(context().alerts().alertCount(), 0);
        QCOMPARE(rowsIn(storePath(42)), 0);
    }

    void unusableRedirectsAreIgnored()
    {
        connectClient();
        for (const char *command : {R"({"command":"redirect","host":"","port":5222})",
                                    R"({"command":"redirect","host":"127.0.0.1","port":0})",
                                    R"({"command":"redirect","host":"127.0.0.1","port":65536})",
                                    R"({"command":"redirect","host":"127.0.0.1"})"})
            serverSays(QByteArray(command) + "\r\n", 1);
        QVERIFY(chat_->socketCenter().isConnected());
        QCOMPARE(context().session().socketPort, int(peer_->port()));
        QCOMPARE(peer_->connectionCount(), 1);
    }

    void aBatchWhileSignedOutIsIgnored()
    {
        connectClient();
        acceptLogin();
        int announced = 0;
        context().notifications().addObserver(&observer_, NotificationNames::message,
                                              [&](const QVariant &) { ++announced; });
        context().session().setDefaultUser(std::nullopt);
        serverSays(batch({{"m1", 7}}), 1);
        QCOMPARE(context().vibration().count(), 0);
        QCOMPARE(announced, 0);
        QVERIFY(acknowledgements().isEmpty());
        QCOMPARE(rowsIn(storePath(42)), 0);
    }

    void aBatchThatFailsPartWayKeepsNothingAndIsNotAcknowledged()
    {
        connectClient();
        acceptLogin();
        serverSays(batch({{"m1", 7}}), 1);
        // From now on every summary update fails, after the messages went in.
        char *error = nullptr;
        QCOMPARE(sqlite3_exec(chat_->database().database(),
                              "create trigger refuse before update on messagebox begin "
                              "select raise(abort, 'refused'); end",
                              nullptr, nullptr, &error),
                 SQLITE_OK);
        QSignalSpy stored(&messenger(), &ChatMessenger::messagesStored);
        serverSays(batch({{"m2", 9}, {"m3", 7}}), 1);
        QCOMPARE(stored.count(), 0);
        QCOMPARE(rowsIn(storePath(42)), 1);
        QCOMPARE(rowsIn(storePath(42), "select count(*) from messagebox"), 1);
        QCOMPARE(acknowledgements(), QList<json::Value>{json::Value(json::Array{"m1"})});
        // The server re-sends it once the store works again, and it goes in whole.
        sqlite3_exec(chat_->database().database(), "drop trigger refuse", nullptr, nullptr,
                     nullptr);
        serverSays(batch({{"m2", 9}, {"m3", 7}}), 1);
        QCOMPARE(stored.count(), 1);
        QCOMPARE(rowsIn(storePath(42)), 3);
        QCOMPARE(chat_->database().unreadMessageBoxes().size(), 2);
    }

    void theStoreFollowsTheSignedInUser()
    {
        connectClient();
        acceptLogin();
        serverSays(batch({{"for-42", 7}}), 1);
        QCOMPARE(rowsIn(storePath(42)), 1);

        // Another user signs in on the same device.
        flow_->logout();
        signIn(43);
        connectClient(2);
        acceptLogin();
        QCOMPARE(chat_->database().fileName(), QString("user43.sqlite3"));
        serverSays(batch({{"for-43", 7}, {"also-43", 8}}), 1);
        User partner;
        partner.userId = 7;
        QCOMPARE(messenger().send(partner, "from 43").result, ChatMessenger::SendResult::Sent);
        QCOMPARE(rowsIn(storePath(43)), 3);
        QCOMPARE(rowsIn(storePath(42)), 1);
    }
};

QTEST_GUILESS_MAIN(TestChatCore)
#include "tst_chatcore.moc"
