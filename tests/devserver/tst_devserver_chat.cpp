// End-to-end tests of the stand-in chat server over TCP: sign-in by session
// token, routing, queueing for offline users, long queues in bounded lines,
// each new message sent once and re-sent until acknowledged, blank messages,
// the "offline" on a second login, the blacklist, bad input and the test
// endpoints that push control commands.

#include "ApiTestClient.h"
#include "ChatTestClient.h"
#include "DevServerProcess.h"
#include "MessageBatcher.h"
#include "SeedCases.h"

#include "api/json/JsonValue.h"

#include <QSet>
#include <QtTest>
#include <algorithm>

namespace json = nuvora::json;
using nuvora::devserver::MessageBatcher;
using nuvora::devserver::SeedCases;

namespace {

QString str(const json::Value &value)
{
    return QString::fromStdString(value.toText());
}

json::Value sendMessage(qint64 to, const QString &text)
{
    json::Object command;
    command.set("command", json::Value("sendmessage"));
    command.set("touid", json::Value(static_cast<int64_t>(to)));
    command.set("localmsgid", json::Value("1"));
    command.set("message", json::Value(text.toStdString()));
    return json::Value(std::move(command));
}

QStringList texts(const json::Array &messages)
{
    QStringList out;
    for (const json::Value &message : messages)
        out << str(message["message"]);
    return out;
}

json::Value acknowledgement(const json::Array &messages)
{
    json::Array ids;
    for (const json::Value &message : messages)
        ids.push_back(message["msgid"]);
    json::Object command;
    command.set("command", json::Value("recvmessageresult"));
    command.set("msgids", json::Value(std::move(ids)));
    return json::Value(std::move(command));
}

} // namespace

class TestDevServerChat : public QObject {
    Q_OBJECT

private:
    DevServerProcess server_;

    struct Account {
        QString token;
        qint64 uid = 0;
        QString nickname;
    };

    Account signIn(const QString &email, const QString &password)
    {
        ApiTestClient client(server_.webHost());
        Account account;
        if (!client.signIn(email, password))
            return account;
        account.token = client.token();
        const ApiReply info = client.call(QStringLiteral("my_userinfo.php"));
        account.uid = info["user"]["uid"].toInteger();
        account.nickname = str(info["user"]["nickname"]);
        return account;
    }
    Account seeded(int n)
    {
        return signIn(QStringLiteral("user%1@nuvora.cn").arg(n),
                      QStringLiteral("password%1").arg(n));
    }
    // Re-sends the user's unacknowledged messages when connected; answers
    // {"delivered", "pending"}.
    ApiReply resend(qint64 uid)
    {
        return ApiTestClient(server_.webHost()).get(QStringLiteral("/dev/resend?uid=%1").arg(uid));
    }
    qint64 pending(qint64 uid) { return resend(uid)["pending"].toInteger(); }

private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }

    void unknownTokenIsRefused()
    {
        ChatTestClient client;
        QVERIFY(client.connectTo(server_.chatPort()));
        QCOMPARE(client.login(QStringLiteral("not-a-session")), 1);
        // Nothing but a login is served before a successful one.
        client.send(sendMessage(2, QStringLiteral("hi")));
        QVERIFY(client.staysQuiet("recvmessage", 300));
    }

    void demoGetsItsConversationAndNoticesAsOneBatch()
    {
        const Account demo = signIn(server_.demoEmail(), server_.demoPassword());
        ChatTestClient client;
        QVERIFY(client.connectTo(server_.chatPort()));
        QCOMPARE(client.login(demo.token), 0);
        const auto batch = client.waitFor("recvmessage");
        QVERIFY(batch);
        const json::Array &messages = (*batch)["messages"].asArray();
        ApiTestClient http(server_.webHost());
        QStringList conversation;
        qint64 lastTime = 0;
        for (const json::Value &message : messages) {
            QVERIFY(!str(message["msgid"]).isEmpty());
            QVERIFY(message["senduid"].toInteger() > 0);
            QVERIFY(!str(message["nickname"]).isEmpty());
            // The client fetches "/560/%@.jpg!160" with this value.
            QCOMPARE(
                http.get(QStringLiteral("/560/%1.jpg!160").arg(str(message["avatar"]))).httpStatus,
                200);
            QVERIFY(message["time"].toInteger() >= lastTime);
            lastTime = message["time"].toInteger();
            if (message["senduid"].toInteger() == SeedCases::kChatPartner)
                conversation << str(message["message"]);
        }
        // A conversation long enough to page, with the texts that trip stores and bubbles.
        QVERIFY(conversation.size() >= 25);
        QVERIFY(messages.size() > size_t(conversation.size()));
        auto any = [&conversation](auto predicate) {
            return std::any_of(conversation.cbegin(), conversation.cend(), predicate);
        };
        QVERIFY(any(
            [](const QString &t) { return t.count(QLatin1Char('\n')) >= 3 && t.size() > 100; }));
        QVERIFY(any([](const QString &t) { return t.contains(QLatin1Char('\'')); }));
        QVERIFY(any([](const QString &t) {
            return std::any_of(t.cbegin(), t.cend(), [](QChar c) {
                return c.unicode() >= 0xE000 && c.unicode() <= 0xF8FF;
            });
        }));
        client.send(acknowledgement(messages));
        QTRY_COMPARE(pending(demo.uid), qint64(0));
    }

    void aLongQueueArrivesInBoundedLinesExactlyOnce()
    {
        const Account sender = seeded(10);
        const Account receiver = seeded(11);
        ChatTestClient from;
        QVERIFY(from.connectTo(server_.chatPort()));
        QCOMPARE(from.login(sender.token), 0);
        // Short ones fill a line by count, long ones by size.
        QStringList sent;
        for (int i = 0; i < 250; ++i) {
            QString text = QStringLiteral("第%1条").arg(i);
            if (i >= 150)
                text = text.leftJustified(2000, QChar(0x591C)); // 夜
            sent << text;
            from.send(sendMessage(receiver.uid, text));
        }
        QTRY_COMPARE_WITH_TIMEOUT(pending(receiver.uid), qint64(250), 20000);
        QCOMPARE(resend(receiver.uid)["delivered"].asBool(), false);

        ChatTestClient to;
        QVERIFY(to.connectTo(server_.chatPort()));
        QCOMPARE(to.login(receiver.token), 0);
        QStringList received;
        QSet<QString> ids;
        int lines = 0;
        while (received.size() < sent.size()) {
            const auto batch = to.waitFor("recvmessage");
            QVERIFY2(batch, qPrintable(QStringLiteral("%1 messages arrived").arg(received.size())));
            const json::Array &messages = (*batch)["messages"].asArray();
            QVERIFY(!messages.empty());
            QVERIFY(messages.size() <= size_t(MessageBatcher::kMaxMessages));
            for (const json::Value &message : messages) {
                QCOMPARE(message["senduid"].toInteger(), sender.uid);
                ids.insert(str(message["msgid"]));
            }
            received << texts(messages);
            to.send(acknowledgement(messages));
            ++lines;
        }
        QCOMPARE(received, sent);
        QCOMPARE(ids.size(), sent.size());
        QVERIFY(to.longestLine() <= MessageBatcher::kMaxLineBytes);
        QVERIFY(lines >= 4);
        QTRY_COMPARE(pending(receiver.uid), qint64(0));
    }

    void newMessagesGoOutOnceAndUnacknowledgedOnesAgain()
    {
        const Account sender = seeded(13);
        const Account receiver = seeded(14);
        ChatTestClient from;
        QVERIFY(from.connectTo(server_.chatPort()));
        QCOMPARE(from.login(sender.token), 0);
        const QStringList both{QStringLiteral("一"), QStringLiteral("二")};
        {
            ChatTestClient to;
            QVERIFY(to.connectTo(server_.chatPort()));
            QCOMPARE(to.login(receiver.token), 0);
            for (const QString &text : both) {
                from.send(sendMessage(receiver.uid, text));
                const auto batch = to.waitFor("recvmessage");
                QVERIFY(batch);
                // Only the new one, though the earlier one is not acknowledged.
                QCOMPARE(texts((*batch)["messages"].asArray()), QStringList{text});
            }
            const ApiReply forced = resend(receiver.uid);
            QCOMPARE(forced["delivered"].asBool(), true);
            QCOMPARE(forced["pending"].toInteger(), qint64(2));
            const auto again = to.waitFor("recvmessage");
            QVERIFY(again);
            QCOMPARE(texts((*again)["messages"].asArray()), both);
            // Gone without acknowledging.
        }
        ChatTestClient back;
        QVERIFY(back.connectTo(server_.chatPort()));
        QCOMPARE(back.login(receiver.token), 0);
        const auto atLogin = back.waitFor("recvmessage");
        QVERIFY(atLogin);
        QCOMPARE(texts((*atLogin)["messages"].asArray()), both);
        back.send(acknowledgement((*atLogin)["messages"].asArray()));
        QTRY_COMPARE(pending(receiver.uid), qint64(0));
    }

    void blankMessagesArriveAsSent()
    {
        const Account sender = seeded(16);
        const Account receiver = seeded(17);
        ChatTestClient from;
        ChatTestClient to;
        QVERIFY(from.connectTo(server_.chatPort()) && to.connectTo(server_.chatPort()));
        QCOMPARE(from.login(sender.token), 0);
        QCOMPARE(to.login(receiver.token), 0);
        const QStringList blanks{QStringLiteral("   "), QStringLiteral("\n"),
                                 QStringLiteral(" \t\r\n ")};
        // An empty message is nothing to deliver; it must not arrive before the blanks.
        from.send(sendMessage(receiver.uid, QString()));
        for (const QString &text : blanks)
            from.send(sendMessage(receiver.uid, text));
        QStringList received;
        while (received.size() < blanks.size()) {
            const auto batch = to.waitFor("recvmessage");
            QVERIFY(batch);
            received << texts((*batch)["messages"].asArray());
        }
        QCOMPARE(received, blanks);
    }

    void messagesRouteBetweenConnections()
    {
        const Account a = seeded(1);
        const Account b = seeded(2);
        ChatTestClient first;
        ChatTestClient second;
        QVERIFY(first.connectTo(server_.chatPort()) && second.connectTo(server_.chatPort()));
        QCOMPARE(first.login(a.token), 0);
        QCOMPARE(second.login(b.token), 0);
        if (auto pending = second.waitFor("recvmessage", 300))
            second.send(acknowledgement((*pending)["messages"].asArray()));

        first.send(sendMessage(b.uid, QStringLiteral("你好，周末有空吗？")));
        const auto batch = second.waitFor("recvmessage");
        QVERIFY(batch);
        const json::Value &message = (*batch)["messages"].asArray().front();
        QCOMPARE(message["senduid"].toInteger(), a.uid);
        QCOMPARE(str(message["nickname"]), a.nickname);
        QCOMPARE(str(message["message"]), QStringLiteral("你好，周末有空吗？"));
        second.send(acknowledgement((*batch)["messages"].asArray()));
        QVERIFY(first.staysQuiet("recvmessage", 200));
    }

    void offlineUsersGetAQueueAndUnacknowledgedBatchesComeAgain()
    {
        const Account sender = seeded(3);
        const Account receiver = seeded(4);
        ChatTestClient from;
        QVERIFY(from.connectTo(server_.chatPort()));
        QCOMPARE(from.login(sender.token), 0);
        from.send(sendMessage(receiver.uid, QStringLiteral("第一条")));
        from.send(sendMessage(receiver.uid, QStringLiteral("第二条")));
        QTRY_COMPARE(pending(receiver.uid), qint64(2));

        QStringList ids;
        {
            ChatTestClient to;
            QVERIFY(to.connectTo(server_.chatPort()));
            QCOMPARE(to.login(receiver.token), 0);
            const auto batch = to.waitFor("recvmessage");
            QVERIFY(batch);
            QStringList texts;
            for (const json::Value &message : (*batch)["messages"].asArray()) {
                if (message["senduid"].toInteger() == sender.uid) {
                    texts << str(message["message"]);
                    ids << str(message["msgid"]);
                }
            }
            QCOMPARE(texts, (QStringList{QStringLiteral("第一条"), QStringLiteral("第二条")}));
            // Gone without acknowledging.
        }
        ChatTestClient again;
        QVERIFY(again.connectTo(server_.chatPort()));
        QCOMPARE(again.login(receiver.token), 0);
        const auto resent = again.waitFor("recvmessage");
        QVERIFY(resent);
        QStringList resentIds;
        for (const json::Value &message : (*resent)["messages"].asArray())
            resentIds << str(message["msgid"]);
        for (const QString &id : ids)
            QVERIFY(resentIds.contains(id));
        again.send(acknowledgement((*resent)["messages"].asArray()));
        QTRY_COMPARE(pending(receiver.uid), qint64(0));

        ChatTestClient last;
        QVERIFY(last.connectTo(server_.chatPort()));
        QCOMPARE(last.login(receiver.token), 0);
        QVERIFY(last.staysQuiet("recvmessage", 300));
    }

    void aSecondLoginSendsOfflineToTheFirst()
    {
        const Account account = seeded(5);
        ChatTestClient first;
        ChatTestClient second;
        QVERIFY(first.connectTo(server_.chatPort()) && second.connectTo(server_.chatPort()));
        QCOMPARE(first.login(account.token), 0);
        QCOMPARE(second.login(account.token), 0);
        const auto offline = first.waitFor("offline");
        QVERIFY(offline);
        QVERIFY(!str((*offline)["info"]).isEmpty());
        QVERIFY(first.waitForDisconnected());
        QVERIFY(second.isConnected());
        QVERIFY(second.staysQuiet("offline", 200));
    }

    void blacklistedSendersAreNotDelivered()
    {
        const Account blocker = seeded(6);
        const Account pest = seeded(7);
        ApiTestClient http(server_.webHost());
        http.setToken(blocker.token);
        QCOMPARE(http.call(QStringLiteral("home_blacklist.php"),
                           {{QStringLiteral("uid"), QString::number(pest.uid)}})
                     .status(),
                 1);

        ChatTestClient from;
        ChatTestClient to;
        QVERIFY(from.connectTo(server_.chatPort()) && to.connectTo(server_.chatPort()));
        QCOMPARE(from.login(pest.token), 0);
        QCOMPARE(to.login(blocker.token), 0);
        if (auto pending = to.waitFor("recvmessage", 300))
            to.send(acknowledgement((*pending)["messages"].asArray()));
        from.send(sendMessage(blocker.uid, QStringLiteral("在吗")));
        QVERIFY(to.staysQuiet("recvmessage", 400));

        QCOMPARE(http.call(QStringLiteral("my_blacklist_del.php"),
                           {{QStringLiteral("uid"), QString::number(pest.uid)}})
                     .status(),
                 1);
        from.send(sendMessage(blocker.uid, QStringLiteral("现在呢")));
        const auto batch = to.waitFor("recvmessage");
        QVERIFY(batch);
        QCOMPARE(str((*batch)["messages"].asArray().front()["message"]), QStringLiteral("现在呢"));
    }

    void badLinesAreIgnoredAndLongLinesClose()
    {
        const Account account = seeded(8);
        ChatTestClient client;
        QVERIFY(client.connectTo(server_.chatPort()));
        client.sendRaw("not "
                       "json\r\n[1,2]\r\n{\"command\":42}\r\n\r\n{\"command\":\"sendmessage\","
                       "\"touid\":\"x\"}\r\n");
        QCOMPARE(client.login(account.token), 0);
        // A command split over two writes is still one command. The first half rides
        // behind a whole message: once that is stored, the server has read the half.
        const Account receiver = seeded(4);
        const qint64 before = pending(receiver.uid);
        const QByteArray split =
            ChatTestClient::line(sendMessage(receiver.uid, QStringLiteral("二")));
        const qsizetype half = split.size() / 2;
        client.sendRaw(ChatTestClient::line(sendMessage(receiver.uid, QStringLiteral("一")))
                       + split.left(half));
        QTRY_COMPARE(pending(receiver.uid), before + 1);
        client.sendRaw(split.mid(half));
        QTRY_COMPARE(pending(receiver.uid), before + 2);
        QVERIFY(client.isConnected());

        ChatTestClient flooder;
        QVERIFY(flooder.connectTo(server_.chatPort()));
        flooder.sendRaw(QByteArray(70 * 1024, 'x'));
        QVERIFY(flooder.waitForDisconnected());
        // Others are not disturbed.
        ApiTestClient http(server_.webHost());
        const ApiReply sent = http.get(
            QStringLiteral("/dev/alert?uid=%1&info=%2")
                .arg(account.uid)
                .arg(QString::fromUtf8(QUrl::toPercentEncoding(QStringLiteral("仍然在线")))));
        QCOMPARE(sent["delivered"].asBool(), true);
        const auto alert = client.waitFor("alert");
        QVERIFY(alert);
        QCOMPARE(str((*alert)["info"]), QStringLiteral("仍然在线"));
    }

    void testEndpointsPushControlCommands()
    {
        const Account account = seeded(9);
        ChatTestClient client;
        QVERIFY(client.connectTo(server_.chatPort()));
        QCOMPARE(client.login(account.token), 0);
        ApiTestClient http(server_.webHost());
        const QString uid = QString::number(account.uid);
        QCOMPARE(http.get(QStringLiteral("/dev/notify?uid=") + uid)["delivered"].asBool(), true);
        QVERIFY(client.waitFor("notify"));
        QCOMPARE(http.get(QStringLiteral("/dev/redirect?uid=%1&host=127.0.0.1&port=%2")
                              .arg(uid)
                              .arg(server_.chatPort()))["delivered"]
                     .asBool(),
                 true);
        const auto redirect = client.waitFor("redirect");
        QVERIFY(redirect);
        QCOMPARE((*redirect)["port"].toInteger(), qint64(server_.chatPort()));

        // A message posted on another user's behalf arrives like any other.
        const ApiReply posted =
            http.get(QStringLiteral("/dev/message?from=3&to=%1&message=hello").arg(uid));
        QVERIFY(posted["msgid"].toInteger() > 0);
        QVERIFY(client.waitFor("recvmessage"));

        const ApiReply log = http.get(QStringLiteral("/dev/delivered?uid=") + uid);
        QStringList commands;
        for (const json::Value &command : log["commands"].asArray())
            commands << str(command["command"]);
        QVERIFY(commands.contains(QStringLiteral("login")));
        QVERIFY(commands.contains(QStringLiteral("notify")));
        QVERIFY(commands.contains(QStringLiteral("redirect")));

        QCOMPARE(
            http.get(QStringLiteral("/dev/offline?uid=%1&info=bye").arg(uid))["delivered"].asBool(),
            true);
        QVERIFY(client.waitFor("offline"));
        QCOMPARE(http.get(QStringLiteral("/dev/alert?uid=999999&info=x"))["delivered"].asBool(),
                 false);
        QCOMPARE(http.get(QStringLiteral("/dev/alert")).httpStatus, 400);
    }
};

QTEST_GUILESS_MAIN(TestDevServerChat)
#include "tst_devserver_chat.moc"
