#pragma once
// The chat layer of one application context: builds and owns the connection
// manager, the message store, the command handler and the screens' messenger, and
// answers the shell's ChatConnector calls.

#include "ChatSessionHandler.h"
#include "platform/ChatConnector.h"

#include <memory>

class AppContext;
class ChatMessenger;
class Database;
class SocketCenter;

class ChatService : public ChatConnector {
public:
    explicit ChatService(AppContext &context);
    ~ChatService() override;

    // Makes a ChatService the context's chat layer and returns it.
    static ChatService &install(AppContext &context);

    SocketCenter &socketCenter() { return *socketCenter_; }
    Database &database() { return *database_; }
    ChatSessionHandler &handler() { return *handler_; }
    ChatMessenger &messenger() { return *messenger_; }

    void initializeSocket() override;
    void disconnectSocket() override;
    bool hasSocket() const override;
    void closeStore() override;
    void receivedSocketNotification(const QVariant &command) override;

private:
    AppContext &context_;
    std::unique_ptr<Database> database_;
    std::unique_ptr<SocketCenter> socketCenter_;
    std::unique_ptr<ChatSessionHandler> handler_;
    std::unique_ptr<ChatMessenger> messenger_;
};
