#pragma once
// The sign-out from the settings screen: "logout.php", then the local sign-out whatever
// the answer, network failures included. It belongs to the application context, not to
// the screen, so that leaving the screen meanwhile cannot lose the sign-out; one runs at
// a time, and each signs out exactly once.

#include <QObject>

class AppContext;
class RequestSlot;

class SignOutRequest : public QObject {
    Q_OBJECT
public:
    static inline const QString kScript = QStringLiteral("logout.php");

    // Sends the request; none (and nothing sent) while one is out already.
    static SignOutRequest *start(AppContext &context);
    // The request out now, if any.
    static SignOutRequest *running(AppContext &context);

private:
    explicit SignOutRequest(AppContext &context);
    void finish();

    AppContext &context_;
    RequestSlot *request_;
    bool finished_ = false;
};
