#pragma once
// An HTTP server on 127.0.0.1 for tests: records every request's raw bytes and
// answers from a script per path (status, headers, body, later, slowly in chunks, or
// never). A request to a path without a script fails the running test, unless the server
// was told to expect such requests (then it answers 404); one that came while no test
// function ran is named by unreportedRequests(), for the fixture's clean-up.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QTcpServer;
class QTcpSocket;

struct RecordedRequest {
    QByteArray raw; // the request line, headers and body exactly as received
    QByteArray method;
    QByteArray target; // path and query
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // The target without its query.
    QString path() const;
    // The value of the first header of that name (case-insensitive); empty when absent.
    QByteArray header(const QByteArray &name) const;
    bool hasHeader(const QByteArray &name) const;
};

struct ScriptedReply {
    int status = 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    bool neverAnswer = false;   // keeps the connection open without a reply
    bool closeAbruptly = false; // closes the connection without a reply
    int delayMs = 0;            // answers this much later, unless the client went first
    // With chunkBytes > 0 the body goes out in pieces of that size, one every
    // chunkIntervalMs; with stallAfterChunks >= 0 the rest never comes (the connection
    // stays open).
    qsizetype chunkBytes = 0;
    int chunkIntervalMs = 0;
    int stallAfterChunks = -1;

    static ScriptedReply json(const QByteArray &body, int status = 200);
    // A JSON reply whose body is the file `name` of tests/data/.
    static ScriptedReply fixture(const QString &name);
};

class LoopbackHttpServer : public QObject {
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);
    ~LoopbackHttpServer() override;

    quint16 port() const;
    // "http://127.0.0.1:PORT"
    QString baseUrl() const;

    // The reply for a path (without the query).
    void setReply(const QString &path, const ScriptedReply &reply);
    // Answers paths without a reply with 404 instead of failing the test.
    void setAllowsUnscriptedPaths(bool allows) { allowsUnscripted_ = allows; }
    // Paths asked for that had no reply.
    const QStringList &unscriptedPaths() const { return unscripted_; }
    // Reads the requests already sent, then names those to paths without a script that
    // failed no test yet: a request is read only while an event loop runs, and one that
    // comes after the test's last wait would otherwise pass unseen.
    QStringList unreportedRequests();

    const QList<RecordedRequest> &requests() const { return requests_; }
    // Waits (running the event loop) until `count` requests have arrived.
    bool waitForRequests(int count, int timeoutMs = 5000);
    // Replies whose time came: written, closed abruptly, or dropped because the client
    // had closed the connection before a delayed reply was due.
    int repliesDue() const { return repliesDue_; }

signals:
    void requestReceived();

private:
    void onReadyRead(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const RecordedRequest &request);
    void trickle(QTcpSocket *socket, const ScriptedReply &reply);

    QTcpServer *server_;
    QHash<QString, ScriptedReply> replies_;
    QHash<QTcpSocket *, QByteArray> buffers_;
    QList<RecordedRequest> requests_;
    QStringList unscripted_;
    QStringList unexpected_;
    qsizetype reported_ = 0;
    bool allowsUnscripted_ = false;
    int repliesDue_ = 0;
};
