#pragma once
// An error of the chat's TCP connection: the connection's own errors in
// "AsyncSocketErrorDomain", or the socket's error with its own code and domain.

#include <QAbstractSocket>
#include <QString>

struct AsyncSocketError {
    enum Code {
        CFSocketError = -1,
        CanceledError = 1,
        ConnectTimeoutError = 2,
        ReadMaxedOutError = 3,
        ReadTimeoutError = 4,
        WriteTimeoutError = 5,
    };

    static constexpr const char *kDomain = "AsyncSocketErrorDomain";
    // Name resolution failures, kept apart from the other socket errors.
    static constexpr const char *kNetDbDomain = "kCFStreamErrorDomainNetDB";
    static constexpr const char *kSocketDomain = "QAbstractSocketErrorDomain";

    QString domain;
    int code = 0;
    QString message;

    static AsyncSocketError fromCode(Code code);
    static AsyncSocketError fromSocket(QAbstractSocket::SocketError error, const QString &text);
};
