#pragma once
// One client on the chat port: splits the byte stream into "\r\n"-terminated
// JSON commands, ignores lines that are not JSON objects, drops the client
// when a line grows past 64 KiB, and writes commands back framed the same way.

#include "JsonText.h"

#include <QObject>
#include <functional>

class QTcpSocket;

namespace nuvora::devserver {

class ChatConnection : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kMaxLine = 64 * 1024;
    static constexpr int kCloseGraceMs = 5000;

    using CommandHandler = std::function<void(ChatConnection *, const json::Object &)>;
    using CloseHandler = std::function<void(ChatConnection *)>;

    ChatConnection(QTcpSocket *socket, CommandHandler onCommand, CloseHandler onClose,
                   QObject *parent = nullptr);

    qint64 uid() const { return uid_; }
    void setUid(qint64 uid) { uid_ = uid; }

    void send(const json::Object &command);
    void close();

private:
    void readAvailable();

    QTcpSocket *socket_;
    CommandHandler onCommand_;
    CloseHandler onClose_;
    QByteArray buffer_;
    qint64 uid_ = 0;
    bool closed_ = false;
};

} // namespace nuvora::devserver
