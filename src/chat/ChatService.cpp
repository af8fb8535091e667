#include "ChatService.h"

#include "Database.h"
#include "SocketCenter.h"
#include "platform/AppContext.h"
#include "platform/FileUtility.h"

ChatService::ChatService(AppContext &context)
    : database_(std::make_unique<Database>(
        QDir(context.documentsDirectory()).filePath(QStringLiteral("ChatLog")), context.clock())),
      socketCenter_(std::make_unique<SocketCenter>(context.session(), context.settings(),
                                                   context.notifications())),
      handler_(std::make_unique<ChatSessionHandler>(context, *database_, *socketCenter_))
{
}

ChatService::~ChatService() = default;

ChatService &ChatService::install(AppContext &context)
{
    ChatService &chat = context.addService(std::make_unique<ChatService>(context));
    context.setChat(&chat);
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
