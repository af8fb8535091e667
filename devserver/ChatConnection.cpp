#include "ChatConnection.h"

#include <QTcpSocket>
#include <QTimer>

namespace nuvora::devserver {

ChatConnection::ChatConnection(QTcpSocket *socket, CommandHandler onCommand, CloseHandler onClose,
                               QObject *parent)
    : QObject(parent), socket_(socket), onCommand_(std::move(onCommand)),
      onClose_(std::move(onClose))
{
    socket_->setParent(this);
    connect(socket_, &QTcpSocket::readyRead, this, &ChatConnection::readAvailable);
    connect(socket_, &QTcpSocket::disconnected, this, &ChatConnection::close);
}

void ChatConnection::send(const json::Object &command)
{
    if (closed_)
        return;
    socket_->write(encode(json::Value(command)) + "\r\n");
}

void ChatConnection::close()
{
    if (closed_)
        return;
    closed_ = true;
    onClose_(this);
    // What was written last (an "offline") still goes out before the socket goes away.
    connect(socket_, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    QTimer::singleShot(kCloseGraceMs, this, &QObject::deleteLater);
    socket_->disconnectFromHost();
    if (socket_->state() == QAbstractSocket::UnconnectedState)
        deleteLater();
}

void ChatConnection::readAvailable()
{
    buffer_.append(socket_->readAll());
    qsizetype start = 0;
    while (!closed_) {
        const qsizetype end = buffer_.indexOf("\r\n", start);
        if (end < 0)
            break;
        const QByteArray line = buffer_.mid(start, end - start);
        start = end + 2;
        if (line.size() > kMaxLine) {
            close();
            return;
        }
        if (line.trimmed().isEmpty())
            continue;
        const auto value = decode(line);
        if (value && value->isObject())
            onCommand_(this, value->asObject());
    }
    buffer_.remove(0, start);
    if (buffer_.size() > kMaxLine)
        close();
}

} // namespace nuvora::devserver
