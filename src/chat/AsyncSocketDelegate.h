#pragma once
// The callbacks of an AsyncSocket. Each has an empty default, standing for a
// delegate that does not implement it.

#include "AsyncSocketError.h"

#include <QByteArray>
#include <QString>

class AsyncSocket;

class AsyncSocketDelegate {
public:
    virtual ~AsyncSocketDelegate() = default;

    virtual void onSocketDidConnectToHost(AsyncSocket *, const QString &, quint16) {}
    virtual void onSocketDidReadDataWithTag(AsyncSocket *, const QByteArray &, long) {}
    virtual void onSocketDidWriteDataWithTag(AsyncSocket *, long) {}
    // The connection is closing because of an error; its unread buffer holds what
    // the current read had collected.
    virtual void onSocketWillDisconnectWithError(AsyncSocket *, const AsyncSocketError &) {}
    // The connection is closed. The delegate may drop the connection here, but only
    // with deleteLater(): the call comes from inside the connection.
    virtual void onSocketDidDisconnect(AsyncSocket *) {}
};
