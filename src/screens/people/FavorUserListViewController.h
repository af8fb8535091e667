#pragma once
// The users who like a club or a party, refreshed by pulling; a row or its avatar opens
// that person's home page.

#include "ui/BLKTableViewController.h"

#include <QtQml/qqmlregistration.h>

struct Club;
struct Party;

class FavorUserListViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(QString title READ title CONSTANT)
public:
    static FavorUserListViewController *ofClub(AppContext &context, const Club &club,
                                               QObject *parent = nullptr);
    static FavorUserListViewController *ofParty(AppContext &context, const Party &party,
                                                QObject *parent = nullptr);

    QString title() const { return title_; }

    Q_INVOKABLE void selectRow(int row);
    Q_INVOKABLE void cellAvatarButtonTapped(int row) { selectRow(row); }

private:
    FavorUserListViewController(AppContext &context, QString title, PagedQuery::Request request,
                                QObject *parent);

    QString title_;
};
