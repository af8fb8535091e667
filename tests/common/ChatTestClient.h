#pragma once
// A chat connection for end-to-end tests: writes commands framed with
// "\r\n", collects the commands the server sends and waits for one by name.

#include "api/json/JsonValue.h"

#include <QList>
#include <QTcpSocket>
#include <optional>
#include <string>

class ChatTestClient {
public:
    bool connectTo(quint16 port, int timeoutMs = 5000);
    void send(const nuvora::json::Value &command);
    // The command as it goes over the wire, framed.
    static QByteArray line(const nuvora::json::Value &command);
    void sendRaw(const QByteArray &bytes);
    // Signs in with the session token and waits for the "login" answer's status.
    int login(const QString &token);
    // The next received command with that "command" value (earlier ones of
    // other names stay queued); nothing when none arrives in time.
    std::optional<nuvora::json::Value> waitFor(const std::string &command, int timeoutMs = 5000);
    // True when no command of that name arrives within the time.
    bool staysQuiet(const std::string &command, int timeoutMs);
    bool waitForDisconnected(int timeoutMs = 5000);
    bool isConnected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    // The longest line received so far, in bytes with its "\r\n".
    qsizetype longestLine() const { return longestLine_; }

private:
    void readAvailable();

    QTcpSocket socket_;
    QByteArray buffer_;
    QList<nuvora::json::Value> received_;
    qsizetype longestLine_ = 0;
};
