#pragma once
// A signed-in client for the messaging screens' tests: the controller test context
// with the chat layer installed, a scripted chat server, the application-wide
// handler routing what it sends, and helpers to fill the store and read what went out.

#include "ClientTestContext.h"
#include "ScriptedChatPeer.h"
#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "chat/SocketCenter.h"
#include "model/Session.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QTest>

class MessagingFixture {
public:
    static constexpr int kMe = 2;
    static constexpr int kPartner = 17;
    static constexpr int kOther = 23;

    MessagingFixture()
    {
        AppContext &context = test.context();
        context.session().setDefaultUser(nuvora::json::Object::adopt(
            {{"uid", kMe}, {"nickname", "夜行者"}, {"avatar", "http://img/me.jpg"}}));
        context.session().socketServer = QStringLiteral("127.0.0.1");
        context.session().socketPort = peer.port();
        context.settings().setString(SettingsKeys::loginToken, QStringLiteral("token"));
        chat = &ChatService::install(context);
        // As the application delegate does, before any screen.
        context.notifications().addObserver(&observer, NotificationNames::asyncSocket,
                                            [this](const QVariant &command) {
                                                chat->receivedSocketNotification(command);
                                                ++handled;
                                            });
    }

    AppContext &context() { return test.context(); }
    Database &store() { return chat->database(); }

    static User partner()
    {
        User user;
        user.userId = kPartner;
        user.nickname = QStringLiteral("小夜'17");
        user.avatar = QStringLiteral("http://img/17.jpg!100");
        return user;
    }

    // Connected, and the server accepted the login: the store is open.
    bool signIn()
    {
        if (!connect())
            return false;
        return serverSays("{\"command\":\"login\",\"status\":0}\r\n") && store().isOpen();
    }
    bool connect()
    {
        chat->initializeSocket();
        return peer.waitForConnection(peer.connectionCount() + 1)
               && QTest::qWaitFor([this] { return chat->socketCenter().isConnected(); }, 5000);
    }
    // Sends one command line and waits until the client has handled it.
    [[nodiscard]] bool serverSays(const QByteArray &line)
    {
        const int before = handled;
        peer.send(line);
        return QTest::qWaitFor([&] { return handled > before; }, 5000);
    }
    // A batch of (msgid, sender, text), as the server sends it.
    [[nodiscard]] bool receive(const QList<std::tuple<QString, int, QString>> &messages)
    {
        nuvora::json::Array list;
        for (const auto &[msgid, sender, text] : messages) {
            nuvora::json::Object message;
            message.set("msgid", msgid.toStdString());
            message.set("senduid", sender);
            message.set("nickname", "小夜");
            message.set("avatar", "a17");
            message.set("message", text.toStdString());
            message.set("time", 1700000000);
            list.push_back(std::move(message));
        }
        nuvora::json::Object command;
        command.set("command", "recvmessage");
        command.set("messages", std::move(list));
        nuvora::json::JsonWriter writer;
        return serverSays(QByteArray::fromStdString(*writer.dataWithObject(command)) + "\r\n");
    }
    // Stores messages directly: `count` alternating from the partner and to them.
    void storeConversation(int count, int partner = kPartner)
    {
        for (int i = 0; i < count; ++i) {
            ChatMessage message;
            message.senderuid = i % 2 ? kMe : partner;
            message.receiveruid = i % 2 ? partner : kMe;
            message.message = QStringLiteral("消息 %1").arg(i);
            message.time = QStringLiteral("11/15 06:%1").arg(i % 60, 2, 10, QLatin1Char('0'));
            store().insertChatMessage(message);
        }
    }
    // The commands of that name the server received so far, once everything queued
    // before this call went out; "timeout" alone when that never happened.
    QList<nuvora::json::Value> sent(const std::string &name)
    {
        const QByteArray marker = "{\"command\":\"marker\"}";
        chat->socketCenter().sendMessage(QString::fromLatin1(marker));
        if (!QTest::qWaitFor([&] { return peer.lines().endsWith(marker); }, 5000))
            return {nuvora::json::Value("timeout")};
        QList<nuvora::json::Value> commands;
        for (const QByteArray &line : peer.lines()) {
            std::optional<nuvora::json::Value> command =
                nuvora::json::JsonReader().objectWithData(line.constData(), size_t(line.size()));
            if (command && (*command)["command"].asString() == name)
                commands << *command;
        }
        return commands;
    }

    ClientTestContext test;
    ScriptedChatPeer peer;
    ChatService *chat = nullptr;
    QObject observer;
    int handled = 0;
};
