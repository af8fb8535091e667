#include "AsyncSocketError.h"

#include <QCoreApplication>

AsyncSocketError AsyncSocketError::fromCode(Code code)
{
    // The English texts are the defaults of the "AsyncSocket" string table.
    const char *text = "General CFSocket error";
    switch (code) {
    case CFSocketError:
        break;
    case CanceledError:
        text = "Connection canceled";
        break;
    case ConnectTimeoutError:
        text = "Attempt to connect to host timed out";
        break;
    case ReadMaxedOutError:
        text = "Read operation reached set maximum length";
        break;
    case ReadTimeoutError:
        text = "Read operation timed out";
        break;
    case WriteTimeoutError:
        text = "Write operation timed out";
        break;
    }
    return {QString::fromLatin1(kDomain), code, QCoreApplication::translate("AsyncSocket", text)};
}

AsyncSocketError AsyncSocketError::fromSocket(QAbstractSocket::SocketError error,
                                              const QString &text)
{
    const char *domain = error == QAbstractSocket::HostNotFoundError ? kNetDbDomain : kSocketDomain;
    return {QString::fromLatin1(domain), int(error), text};
}
