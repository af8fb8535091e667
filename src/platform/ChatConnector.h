#pragma once
// What the application shell asks of the chat connection manager. The chat layer
// implements it and hands it to the context; without one these calls do nothing.

#include <QVariant>

class ChatConnector {
public:
    virtual ~ChatConnector() = default;

    // Makes sure a connection to the session's chat server exists or is under way.
    virtual void initializeSocket() = 0;
    // Drops the connection; `hasSocket` is false afterwards.
    virtual void disconnectSocket() = 0;
    virtual bool hasSocket() const = 0;
    // Closes the signed-in user's message store (sign-out).
    virtual void closeStore() = 0;
    // The application-wide handler of received chat commands; it runs before any
    // screen's, since the application delegate registers it first.
    virtual void receivedSocketNotification(const QVariant &command) = 0;
};
