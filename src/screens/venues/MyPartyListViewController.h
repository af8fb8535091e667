#pragma once
// The parties a user has signed up for, page by page, refreshed by pulling; a row opens
// the party's page.

#include "PartyTableViewController.h"
#include "model/User.h"

#include <QtQml/qqmlregistration.h>

class MyPartyListViewController : public PartyTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(bool ownParties READ ownParties CONSTANT)
public:
    MyPartyListViewController(AppContext &context, User user, QObject *parent = nullptr);

    const User &user() const { return user_; }
    // Whether the list is the signed-in user's own.
    bool ownParties() const;

protected:
    void followParty(const Party &party) override { follow(query(), party, ownParties()); }

private:
    User user_;
};
