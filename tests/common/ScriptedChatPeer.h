#pragma once
// A scripted chat server for tests: listens on a free loopback port, accepts
// connections (keeping the latest), records the lines the client sends and writes
// whatever bytes the test asks for, cut wherever the test cuts them.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class ScriptedChatPeer : public QObject {
    Q_OBJECT
public:
    explicit ScriptedChatPeer(QObject *parent = nullptr);

    quint16 port() const { return server_.serverPort(); }
    int connectionCount() const { return connectionCount_; }
    bool hasClient() const;

    bool waitForConnection(int count = 1, int timeoutMs = 5000);
    // Waits until at least `count` complete lines arrived on any connection.
    bool waitForLines(int count, int timeoutMs = 5000);
    bool waitForClientClosed(int timeoutMs = 5000);

    // Everything the client sent, cut at "\r\n", in order.
    QList<QByteArray> lines() const { return lines_; }
    QByteArray rawReceived() const { return received_; }

    // Writes to the latest connection and flushes at once.
    void send(const QByteArray &bytes);
    // Writes the pieces one by one, letting the client read each before the next, so
    // that they arrive as separate reads.
    void sendInPieces(const QList<QByteArray> &pieces);
    void closeClient();
    // Closes the listening socket too: later connections are refused.
    void stopListening() { server_.close(); }

private:
    void accept();

    QTcpServer server_;
    QPointer<QTcpSocket> client_;
    int connectionCount_ = 0;
    QByteArray received_;
    QByteArray pending_;
    QList<QByteArray> lines_;
};
