#pragma once
// Event-driven client TCP connection of the chat: connect, queued reads that
// complete with whatever bytes are available, queued writes, each request served
// one at a time per direction and reported through an AsyncSocketDelegate on the
// thread whose event loop owns the object.

#include "AsyncSocketError.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <optional>

class AsyncSocketDelegate;
class QTcpSocket;

class AsyncSocket : public QObject {
    Q_OBJECT
public:
    explicit AsyncSocket(AsyncSocketDelegate *delegate, QObject *parent = nullptr);
    // Closes without callbacks.
    ~AsyncSocket() override;

    AsyncSocketDelegate *delegate() const { return delegate_; }
    void setDelegate(AsyncSocketDelegate *delegate) { delegate_ = delegate; }

    // Returns whether connecting began. Connecting without a delegate, or while not
    // fully disconnected, is a programming error.
    bool connectToHost(const QString &host, quint16 port, AsyncSocketError *error = nullptr);
    // A negative timeout (seconds) means none.
    bool connectToHostWithTimeout(const QString &host, quint16 port, double timeout,
                                  AsyncSocketError *error = nullptr);

    void readDataWithTimeout(double timeout, long tag);
    // Empty data is ignored.
    void writeDataWithTimeout(const QByteArray &data, double timeout, long tag);

    bool isConnected() const { return connected_; }
    // Closes at once; reports onSocketDidDisconnect only.
    void disconnect();

    // Bytes taken from the stream but not handed to any read yet.
    QByteArray unreadData() const { return unread_; }

private:
    struct ReadPacket {
        QByteArray buffer;
        double timeout = -1;
        long tag = 0;
    };
    struct WritePacket {
        QByteArray data;
        qint64 pending = 0;
        double timeout = -1;
        long tag = 0;
    };

    void onConnected();
    void onReadyRead();
    void onBytesWritten(qint64 count);
    void onSocketError();

    void scheduleDequeueRead();
    void scheduleDequeueWrite();
    void maybeDequeueRead();
    void maybeDequeueWrite();
    void doBytesAvailable();
    void completeCurrentRead();
    void completeCurrentWrite();
    // Hands bytes still in the socket to a waiting read before the connection
    // closes, so that what the peer sent just before closing is not lost.
    void drainBeforeClose();

    void closeWithError(const AsyncSocketError &error);
    void close();

    static void startTimer(QTimer &timer, double seconds);

    AsyncSocketDelegate *delegate_ = nullptr;
    QPointer<QTcpSocket> socket_;
    QString host_;
    quint16 port_ = 0;

    std::deque<ReadPacket> readQueue_;
    std::optional<ReadPacket> currentRead_;
    std::deque<WritePacket> writeQueue_;
    std::optional<WritePacket> currentWrite_;
    QByteArray unread_;

    QTimer connectTimer_;
    QTimer readTimer_;
    QTimer writeTimer_;

    bool started_ = false;
    bool connected_ = false;
    bool closingWithError_ = false;
    bool readDequeueScheduled_ = false;
    bool writeDequeueScheduled_ = false;
    // Bumped by every close, so that a callback can tell the connection it ran on
    // has gone.
    quint64 generation_ = 0;
};
