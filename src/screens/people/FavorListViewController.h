#pragma once
// The clubs and the parties a user likes, a tab each, refreshed by pulling; a row opens
// the club's or the party's page.

#include "model/User.h"
#include "screens/venues/PartyTableViewController.h"
#include "ui/TabbedQueries.h"

#include <QtQml/qqmlregistration.h>

class FavorListViewController : public PartyTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(TabbedQueries *tabs READ tabs CONSTANT)
    Q_PROPERTY(double clubRowHeight READ clubRowHeight CONSTANT)
public:
    enum Tag { ClubsTag = 1024, PartiesTag = 1025 };
    Q_ENUM(Tag)

    FavorListViewController(AppContext &context, User user, QObject *parent = nullptr);

    const User &user() const { return user_; }
    TabbedQueries *tabs() const { return tabs_; }
    double clubRowHeight() const;

    // A club row opens the club, a party row the party.
    void selectRow(int row) override;

private:
    User user_;
    TabbedQueries *tabs_;
};
