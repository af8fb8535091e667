#include "ChatService.h"

#include "ChatMessenger.h"
#include "Database.h"
#include "SocketCenter.h"
#include "platform/AppContext.h"
#include "platform/FileUtility.h"

ChatService::ChatService(AppContext &context)
    : context_(context), database_(std::make_unique<Database>(
                             FileUtility::creatDirectoryAtDocumentDirectory(
                                 context.documentsDirectory(), QStringLiteral("ChatLog")),
                             context.clock())),
      socketCenter_(std::make_unique<SocketCenter>(context.session(), context.settings(),
                                                   context.notifications())),
      handler_(std::make_unique<ChatSessionHandler>(context, *database_, *socketCenter_)),
      messenger_(std::make_unique<ChatMessenger>(context.session(), context.clock(), *database_,
                                                 *socketCenter_, *handler_))
{
}

ChatService::~ChatService()
{
    if (context_.hasChat() && &context_.chat() == this)
        context_.setChat(nullptr, nullptr, nullptr, nullptr);
}

ChatService &ChatService::install(AppContext &context)
{
    ChatService &chat = context.own(std::make_unique<ChatService>(context));
    context.setChat(&chat, &chat.database(), &chat.socketCenter(), &chat.messenger());
    return chat;
}

void ChatService::initializeSocket()
{
    socketCenter_->initializeSocket();
}

void ChatService::disconnectSocket()
{
    socketCenter_->disconnectSocket();
}

bool ChatService::hasSocket() const
{
    return socketCenter_->socket() != nullptr;
}

void ChatService::closeStore()
{
    database_->closeDatabase();
}

void ChatService::receivedSocketNotification(const QVariant &command)
{
    handler_->receivedSocketNotification(command);
}
