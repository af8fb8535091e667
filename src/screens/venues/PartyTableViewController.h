#pragma once
// The base of the party lists: pages of parties shown in PartyListCell rows (118 points
// high, the fans count sized to fit with its decoration right after it); a row opens
// the party's page.

#include "model/Party.h"
#include "ui/BLKTableViewController.h"

#include <QtQml/qqmlregistration.h>

class PartyTableViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("a base of party list screens")
    Q_PROPERTY(double rowHeight READ rowHeight CONSTANT)
    Q_PROPERTY(double favorLabelX READ favorLabelX CONSTANT)
    Q_PROPERTY(int countFontSize READ countFontSize CONSTANT)
public:
    static constexpr double kRowHeight = 118;
    // Where a cell draws its fans count, and at which size.
    static constexpr double kFavorLabelX = 145;
    static constexpr int kCountFontSize = 13;

    explicit PartyTableViewController(AppContext &context, QObject *parent = nullptr);

    double rowHeight() const { return kRowHeight; }
    double favorLabelX() const { return kFavorLabelX; }
    int countFontSize() const { return kCountFontSize; }

    // The width of a cell's fans count, and the x of the decoration after it.
    Q_INVOKABLE double favorLabelWidth(int favor) const;
    Q_INVOKABLE double floatLabelX(int favor) const;
    Q_INVOKABLE virtual void selectRow(int row);

protected:
    // A party changed on its page; the rows showing it follow.
    virtual void followParty(const Party &party) { follow(query(), party, false); }
    // The rows of `query` showing `party` take its new state; in a list of the user's
    // own sign-ups (`signUps`) a party withdrawn from leaves and a new one loads the list.
    static void follow(PagedQuery *query, const Party &party, bool signUps);
    // Pages of `script`'s "partys" with the screen's own `parameters`.
    static PagedQuery::Request partyRequest(const QString &script, QVariantMap parameters);
};
