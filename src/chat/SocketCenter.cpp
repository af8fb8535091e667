#include "SocketCenter.h"

#include "AsyncSocket.h"
#include "LoginRequest.h"
#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"
#include "model/Session.h"
#include "platform/AppContext.h"
#include "platform/JsonVariant.h"
#include "platform/LogCategories.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace {
constexpr double kNoTimeout = -1;
constexpr long kTag = 0;
} // namespace

SocketCenter::SocketCenter(Session &session, const SettingsStore &settings,
                           NotificationCenter &notifications, QObject *parent)
    : QObject(parent), session_(session), settings_(settings), notifications_(notifications)
{
}

SocketCenter::~SocketCenter()
{
    // The connection must not call back into a half-destroyed delegate.
    if (socket_)
        socket_->setDelegate(nullptr);
    delete socket_;
}

SocketCenter *SocketCenter::sharedSocketCenter()
{
    AppContext *context = AppContext::current();
    return context && context->hasChat() ? &context->socketCenter() : nullptr;
}

bool SocketCenter::isConnected() const
{
    return socket_ && socket_->isConnected();
}

void SocketCenter::initializeSocket()
{
    if (socket_)
        return;
    framer_.reset();
    socket_ = new AsyncSocket(this, this);
    // Without a connection attempt under way the object would block every later
    // attempt, so it is dropped at once.
    if (!socket_->connectToHost(session_.socketServer, quint16(session_.socketPort))) {
        qCInfo(lcChat, "cannot start connecting to the chat server");
        dropSocket();
    }
}

void SocketCenter::disconnectSocket()
{
    if (socket_)
        socket_->disconnect();
    // A connection that never started reports nothing; drop it anyway.
    dropSocket();
}

void SocketCenter::sendMessage(const QString &jsonText)
{
    sendLine(jsonText.toUtf8(), 0);
}

void SocketCenter::sendCommand(const nuvora::json::Value &command, qint64 messageId)
{
    nuvora::json::JsonWriter writer;
    const std::optional<std::string> text = writer.dataWithObject(command);
    if (!text) {
        qCWarning(lcChat, "cannot encode a chat command: %s", writer.error().c_str());
        return;
    }
    sendLine(QByteArray(text->data(), qsizetype(text->size())), messageId);
}

void SocketCenter::sendLine(QByteArray line, qint64 messageId)
{
    if (!isConnected())
        initializeSocket();
    if (!socket_) {
        qCInfo(lcChat, "no chat connection; a command was dropped");
        if (messageId)
            emit messagesNotWritten({messageId});
        return;
    }
    line.append("\r\n");
    pendingWrites_.push_back(messageId);
    emit lineQueued(line);
    socket_->writeDataWithTimeout(line, kNoTimeout, kTag);
}

void SocketCenter::queueRead()
{
    if (socket_)
        socket_->readDataWithTimeout(kNoTimeout, kTag);
}

void SocketCenter::dropSocket()
{
    if (socket_) {
        socket_->setDelegate(nullptr);
        // We may be inside one of the connection's own callbacks.
        socket_->deleteLater();
        socket_ = nullptr;
    }
    framer_.reset();
    QList<qint64> unwritten;
    for (qint64 messageId : pendingWrites_) {
        if (messageId)
            unwritten.append(messageId);
    }
    pendingWrites_.clear();
    if (!unwritten.isEmpty())
        emit messagesNotWritten(unwritten);
}

void SocketCenter::onSocketDidConnectToHost(AsyncSocket *, const QString &host, quint16 port)
{
    qCDebug(lcChat, "connected to the chat server %s:%u", qPrintable(host), unsigned(port));
    const QString token = settings_.string(SettingsKeys::loginToken);
    if (!token.isEmpty()) {
        LoginRequest request(settings_);
        request.loginToken = token;
        sendCommand(request.dictionaryValue());
    }
    queueRead();
}

void SocketCenter::onSocketDidReadDataWithTag(AsyncSocket *socket, const QByteArray &data, long)
{
    const QList<QByteArray> lines = framer_.appendChunk(data);
    const bool overflowed = framer_.overflowed();
    for (const QByteArray &line : lines) {
        nuvora::json::JsonReader reader;
        std::optional<nuvora::json::Value> command =
            reader.objectWithData(line.constData(), size_t(line.size()));
        if (!command)
            qCInfo(lcChat, "ignoring a chat line that is not JSON: %s", reader.error().c_str());
        notifications_.post(NotificationNames::asyncSocket,
                            command ? JsonVariant::wrap(std::move(*command)) : QVariant());
        // A handler dropped or replaced the connection ("offline", "redirect"): the
        // rest of what it brought is not for the session that follows.
        if (socket != socket_)
            return;
    }
    if (overflowed) {
        qCWarning(lcChat, "a chat line exceeded the limit; closing the connection");
        disconnectSocket();
        return;
    }
    queueRead();
}

void SocketCenter::onSocketDidWriteDataWithTag(AsyncSocket *socket, long)
{
    if (socket == socket_ && !pendingWrites_.empty())
        pendingWrites_.pop_front();
    queueRead();
}

void SocketCenter::onSocketDidDisconnect(AsyncSocket *socket)
{
    qCDebug(lcChat, "chat connection closed");
    if (socket == socket_)
        dropSocket();
}
