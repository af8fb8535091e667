#pragma once
// A session flow for tests: records what was asked of it ("finishLogin", "gotoLogin",
// "logout") instead of changing screens.

#include "platform/SessionFlow.h"

#include <QStringList>

class RecordingSessionFlow : public SessionFlow {
public:
    void finishLogin() override { calls << QStringLiteral("finishLogin"); }
    void gotoLogin() override { calls << QStringLiteral("gotoLogin"); }
    void logout() override { calls << QStringLiteral("logout"); }

    QStringList calls;
};
