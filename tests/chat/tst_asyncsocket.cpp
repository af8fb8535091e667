// The chat's TCP connection against a scripted loopback peer: callback order,
// queued reads and writes, and how it ends.

#include "ScriptedChatPeer.h"
#include "chat/AsyncSocket.h"
#include "chat/AsyncSocketDelegate.h"

#include <QTcpServer>
#include <QTest>

namespace {

class RecordingDelegate : public AsyncSocketDelegate {
public:
    QStringList events;
    QByteArray received;
    AsyncSocketError lastError;
    std::function<void(AsyncSocket *)> afterRead;

    void onSocketDidConnectToHost(AsyncSocket *, const QString &, quint16) override
    {
        events << "connect";
    }
    void onSocketDidReadDataWithTag(AsyncSocket *socket, const QByteArray &data, long tag) override
    {
        events << QStringLiteral("read %1").arg(tag);
        received += data;
        if (afterRead)
            afterRead(socket);
    }
    void onSocketDidWriteDataWithTag(AsyncSocket *, long tag) override
    {
        events << QStringLiteral("write %1").arg(tag);
    }
    void onSocketWillDisconnectWithError(AsyncSocket *, const AsyncSocketError &error) override
    {
        events << "willDisconnect";
        lastError = error;
    }
    void onSocketDidDisconnect(AsyncSocket *) override { events << "didDisconnect"; }
};

} // namespace

class TestAsyncSocket : public QObject {
    Q_OBJECT

private slots:
    void readQueuedBeforeOpenIsServedOnceOpen()
    {
        ScriptedChatPeer peer;
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        QVERIFY(socket.connectToHost("127.0.0.1", peer.port()));
        socket.readDataWithTimeout(-1, 7);
        QVERIFY(!socket.isConnected());
        QVERIFY(peer.waitForConnection());
        QTRY_COMPARE(delegate.events, QStringList{"connect"});
        QVERIFY(socket.isConnected());
        peer.send("hello");
        QTRY_COMPARE(delegate.events, (QStringList{"connect", "read 7"}));
        QCOMPARE(delegate.received, QByteArray("hello"));
    }

    void writesGoOutInOrderWithTheirTags()
    {
        ScriptedChatPeer peer;
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        QVERIFY(socket.connectToHost("127.0.0.1", peer.port()));
        // Queued while the stream is still opening.
        socket.writeDataWithTimeout("first\r\n", -1, 1);
        socket.writeDataWithTimeout("second\r\n", -1, 2);
        QVERIFY(peer.waitForLines(2));
        QCOMPARE(peer.lines(), (QList<QByteArray>{"first", "second"}));
        QTRY_COMPARE(delegate.events, (QStringList{"connect", "write 1", "write 2"}));
    }

    void emptyWriteIsIgnored()
    {
        ScriptedChatPeer peer;
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        QVERIFY(socket.connectToHost("127.0.0.1", peer.port()));
        QVERIFY(peer.waitForConnection());
        QTRY_VERIFY(socket.isConnected());
        socket.writeDataWithTimeout(QByteArray(), -1, 1);
        socket.writeDataWithTimeout("x", -1, 2);
        QTRY_COMPARE(delegate.events, (QStringList{"connect", "write 2"}));
        QCOMPARE(peer.rawReceived(), QByteArray("x"));
    }

    void peerClosingReportsTheErrorThenTheDisconnect()
    {
        ScriptedChatPeer peer;
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        QVERIFY(socket.connectToHost("127.0.0.1", peer.port()));
        QVERIFY(peer.waitForConnection());
        QTRY_VERIFY(socket.isConnected());
        peer.closeClient();
        QTRY_COMPARE(delegate.events, (QStringList{"connect", "willDisconnect", "didDisconnect"}));
        QCOMPARE(delegate.lastError.code, int(QAbstractSocket::RemoteHostClosedError));
        QVERIFY(!socket.isConnected());
    }

    void bytesSentJustBeforeClosingAreStillRead()
    {
        ScriptedChatPeer peer;
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        // Each read queues the next one, as the chat manager does.
        delegate.afterRead = [](AsyncSocket *s) { s->readDataWithTimeout(-1, 0); };
        QVERIFY(socket.connectToHost("127.0.0.1", peer.port()));
        socket.readDataWithTimeout(-1, 0);
        QVERIFY(peer.waitForConnection());
        peer.send("one");
        QTRY_COMPARE(delegate.received, QByteArray("one"));
        peer.send("two");
        peer.closeClient();
        QTRY_VERIFY(delegate.events.contains("didDisconnect"));
        QCOMPARE(delegate.received, QByteArray("onetwo"));
        QCOMPARE(delegate.events.last(), QString("didDisconnect"));
    }

    void ownDisconnectReportsOnlyTheDisconnect()
    {
        ScriptedChatPeer peer;
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        QVERIFY(socket.connectToHost("127.0.0.1", peer.port()));
        socket.readDataWithTimeout(-1, 0);
        QTRY_VERIFY(socket.isConnected());
        socket.disconnect();
        QCOMPARE(delegate.events, (QStringList{"connect", "didDisconnect"}));
        QVERIFY(peer.waitForClientClosed());
        // Nothing more came while the peer saw the close, and it can connect again.
        QCOMPARE(delegate.events.size(), 2);
        QVERIFY(socket.connectToHost("127.0.0.1", peer.port()));
        QTRY_COMPARE(delegate.events.last(), QString("connect"));
    }

    void refusedConnectionEndsWithBothCallbacks()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const quint16 port = closed.serverPort();
        closed.close();
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        QVERIFY(socket.connectToHost("127.0.0.1", port));
        QTRY_COMPARE(delegate.events, (QStringList{"willDisconnect", "didDisconnect"}));
        QCOMPARE(delegate.lastError.code, int(QAbstractSocket::ConnectionRefusedError));
    }

    void timeoutsCloseWithTheirCodes()
    {
        ScriptedChatPeer peer;
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        QVERIFY(socket.connectToHost("127.0.0.1", peer.port()));
        socket.readDataWithTimeout(0.1, 0);
        QTRY_COMPARE(delegate.events, (QStringList{"connect", "willDisconnect", "didDisconnect"}));
        QCOMPARE(delegate.lastError.domain, QString("AsyncSocketErrorDomain"));
        QCOMPARE(delegate.lastError.code, int(AsyncSocketError::ReadTimeoutError));
        QCOMPARE(delegate.lastError.message, QString("Read operation timed out"));
    }

    void unresolvableHostIsANameResolutionError()
    {
        RecordingDelegate delegate;
        AsyncSocket socket(&delegate);
        QVERIFY(socket.connectToHost("no-such-host.invalid", 5222));
        QTRY_VERIFY_WITH_TIMEOUT(delegate.events.contains("didDisconnect"), 15000);
        QCOMPARE(delegate.lastError.domain, QString("kCFStreamErrorDomainNetDB"));
    }
};

QTEST_GUILESS_MAIN(TestAsyncSocket)
#include "tst_asyncsocket.moc"
