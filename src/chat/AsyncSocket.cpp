#include "AsyncSocket.h"

#include "AsyncSocketDelegate.h"
#include "platform/LogCategories.h"

#include <QTcpSocket>

AsyncSocket::AsyncSocket(AsyncSocketDelegate *delegate, QObject *parent)
    : QObject(parent), delegate_(delegate)
{
    for (QTimer *timer : {&connectTimer_, &readTimer_, &writeTimer_})
        timer->setSingleShot(true);
    connect(&connectTimer_, &QTimer::timeout, this, [this] {
        closeWithError(AsyncSocketError::fromCode(AsyncSocketError::ConnectTimeoutError));
    });
    connect(&readTimer_, &QTimer::timeout, this, [this] {
        closeWithError(AsyncSocketError::fromCode(AsyncSocketError::ReadTimeoutError));
    });
    connect(&writeTimer_, &QTimer::timeout, this, [this] {
        closeWithError(AsyncSocketError::fromCode(AsyncSocketError::WriteTimeoutError));
    });
}

AsyncSocket::~AsyncSocket()
{
    started_ = false;
    close();
}

bool AsyncSocket::connectToHost(const QString &host, quint16 port, AsyncSocketError *error)
{
    return connectToHostWithTimeout(host, port, -1, error);
}

bool AsyncSocket::connectToHostWithTimeout(const QString &host, quint16 port, double timeout,
                                           AsyncSocketError *error)
{
    Q_ASSERT_X(delegate_, "AsyncSocketException",
               "Attempting to connect without a delegate. Set a delegate first.");
    Q_ASSERT_X(!socket_ && !started_, "AsyncSocketException",
               "Attempting to connect while connected or accepting connections. Disconnect first.");
    if (!delegate_ || socket_ || started_) {
        if (error)
            *error = AsyncSocketError::fromCode(AsyncSocketError::CanceledError);
        return false;
    }

    readQueue_.clear();
    writeQueue_.clear();
    host_ = host;
    port_ = port;

    auto *socket = new QTcpSocket(this);
    socket_ = socket;
    connect(socket, &QTcpSocket::connected, this, &AsyncSocket::onConnected);
    connect(socket, &QTcpSocket::readyRead, this, &AsyncSocket::onReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &AsyncSocket::onBytesWritten);
    connect(socket, &QTcpSocket::errorOccurred, this, &AsyncSocket::onSocketError);
    // A peer that closes without an error event still ends the connection.
    connect(socket, &QTcpSocket::disconnected, this, &AsyncSocket::onSocketError);
    socket->connectToHost(host, port);
    if (socket_ != socket || socket->state() == QAbstractSocket::UnconnectedState) {
        // Refused synchronously (e.g. an unusable address): no callbacks, since
        // nothing started.
        const AsyncSocketError failure =
            socket_ ? AsyncSocketError::fromSocket(socket->error(), socket->errorString())
                    : AsyncSocketError::fromCode(AsyncSocketError::CFSocketError);
        close();
        if (error)
            *error = failure;
        return false;
    }

    startTimer(connectTimer_, timeout);
    started_ = true;
    return true;
}

void AsyncSocket::readDataWithTimeout(double timeout, long tag)
{
    readQueue_.push_back({QByteArray(), timeout, tag});
    scheduleDequeueRead();
}

void AsyncSocket::writeDataWithTimeout(const QByteArray &data, double timeout, long tag)
{
    if (data.isEmpty())
        return;
    writeQueue_.push_back({data, data.size(), timeout, tag});
    scheduleDequeueWrite();
}

void AsyncSocket::disconnect()
{
    close();
}

void AsyncSocket::onConnected()
{
    if (socket_->socketDescriptor() == -1) {
        const auto error = AsyncSocketError::fromCode(AsyncSocketError::CFSocketError);
        qCWarning(lcChat, "AsyncSocket %p couldn't get socket from streams, %s. Disconnecting.",
                  static_cast<void *>(this), qPrintable(error.message));
        closeWithError(error);
        return;
    }
    connectTimer_.stop();
    connected_ = true;
    const quint64 generation = generation_;
    if (delegate_)
        delegate_->onSocketDidConnectToHost(this, socket_->peerAddress().toString(),
                                            socket_->peerPort());
    if (generation != generation_)
        return;
    maybeDequeueRead();
    maybeDequeueWrite();
}

void AsyncSocket::onReadyRead()
{
    doBytesAvailable();
}

void AsyncSocket::onBytesWritten(qint64 count)
{
    if (!currentWrite_)
        return;
    currentWrite_->pending -= count;
    if (currentWrite_->pending <= 0)
        completeCurrentWrite();
}

void AsyncSocket::onSocketError()
{
    if (!socket_ || closingWithError_)
        return;
    const QAbstractSocket::SocketError code = socket_->error();
    const QString text = socket_->errorString();
    const quint64 generation = generation_;
    drainBeforeClose();
    if (generation != generation_ || !started_)
        return;
    closeWithError(AsyncSocketError::fromSocket(code, text));
}

void AsyncSocket::scheduleDequeueRead()
{
    if (readDequeueScheduled_)
        return;
    readDequeueScheduled_ = true;
    QMetaObject::invokeMethod(this, &AsyncSocket::maybeDequeueRead, Qt::QueuedConnection);
}

void AsyncSocket::scheduleDequeueWrite()
{
    if (writeDequeueScheduled_)
        return;
    writeDequeueScheduled_ = true;
    QMetaObject::invokeMethod(this, &AsyncSocket::maybeDequeueWrite, Qt::QueuedConnection);
}

void AsyncSocket::maybeDequeueRead()
{
    readDequeueScheduled_ = false;
    if (currentRead_ || readQueue_.empty() || !connected_)
        return;
    currentRead_ = std::move(readQueue_.front());
    readQueue_.pop_front();
    startTimer(readTimer_, currentRead_->timeout);
    doBytesAvailable();
}

void AsyncSocket::maybeDequeueWrite()
{
    writeDequeueScheduled_ = false;
    if (currentWrite_ || writeQueue_.empty() || !connected_)
        return;
    currentWrite_ = std::move(writeQueue_.front());
    writeQueue_.pop_front();
    startTimer(writeTimer_, currentWrite_->timeout);
    // The socket buffers the whole packet and reports its progress with bytesWritten.
    if (socket_->write(currentWrite_->data) < 0)
        closeWithError(AsyncSocketError::fromSocket(socket_->error(), socket_->errorString()));
}

void AsyncSocket::doBytesAvailable()
{
    if (!currentRead_ || !socket_)
        return;
    currentRead_->buffer.append(unread_);
    unread_.clear();
    if (socket_->bytesAvailable() > 0)
        currentRead_->buffer.append(socket_->readAll());
    // With nothing read the request stays current until the next bytes arrive.
    if (!currentRead_->buffer.isEmpty())
        completeCurrentRead();
}

void AsyncSocket::completeCurrentRead()
{
    const ReadPacket packet = std::move(*currentRead_);
    currentRead_.reset();
    readTimer_.stop();
    const quint64 generation = generation_;
    if (delegate_)
        delegate_->onSocketDidReadDataWithTag(this, packet.buffer, packet.tag);
    if (generation == generation_)
        scheduleDequeueRead();
}

void AsyncSocket::completeCurrentWrite()
{
    const long tag = currentWrite_->tag;
    currentWrite_.reset();
    writeTimer_.stop();
    const quint64 generation = generation_;
    if (delegate_)
        delegate_->onSocketDidWriteDataWithTag(this, tag);
    if (generation == generation_)
        scheduleDequeueWrite();
}

void AsyncSocket::drainBeforeClose()
{
    if (socket_ && socket_->bytesAvailable() > 0)
        unread_.append(socket_->readAll());
    if (unread_.isEmpty() || !connected_)
        return;
    if (!currentRead_ && !readQueue_.empty()) {
        currentRead_ = std::move(readQueue_.front());
        readQueue_.pop_front();
    }
    doBytesAvailable();
}

void AsyncSocket::closeWithError(const AsyncSocketError &error)
{
    closingWithError_ = true;
    if (started_) {
        if (currentRead_) {
            unread_.prepend(currentRead_->buffer);
            currentRead_->buffer.clear();
        }
        const quint64 generation = generation_;
        if (delegate_)
            delegate_->onSocketWillDisconnectWithError(this, error);
        if (generation != generation_)
            return;
    }
    close();
}

void AsyncSocket::close()
{
    ++generation_;
    currentRead_.reset();
    currentWrite_.reset();
    readQueue_.clear();
    writeQueue_.clear();
    readDequeueScheduled_ = false;
    writeDequeueScheduled_ = false;
    unread_.clear();
    connectTimer_.stop();
    readTimer_.stop();
    writeTimer_.stop();
    if (QTcpSocket *socket = socket_) {
        QObject::disconnect(socket, nullptr, this, nullptr);
        socket->abort();
        // This may run inside one of the socket's own signals.
        socket->deleteLater();
        socket_ = nullptr;
    }
    const bool wasStarted = started_;
    started_ = false;
    connected_ = false;
    closingWithError_ = false;
    if (wasStarted && delegate_)
        delegate_->onSocketDidDisconnect(this);
}

void AsyncSocket::startTimer(QTimer &timer, double seconds)
{
    if (seconds >= 0)
        timer.start(std::chrono::milliseconds(qint64(seconds * 1000)));
}
