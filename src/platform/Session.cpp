#include "Session.h"

void Session::setDefaultUser(std::optional<nuvora::json::Value> user)
{
    defaultUser_ = std::move(user);
    emit defaultUserChanged();
}

qint64 Session::userId() const
{
    return defaultUser_ ? (*defaultUser_)["uid"].toInteger() : 0;
}

qint64 Session::userInfoVersion() const
{
    return defaultUser_ ? (*defaultUser_)["userinfoversion"].toInteger() : 0;
}
