#pragma once
// The clubs found by the search form's keywords and region, ten to a page, refreshed by
// pulling; a row opens its club.

#include "ClubRows.h"
#include "ui/BLKTableViewController.h"

#include <QtQml/qqmlregistration.h>

class ClubSearchResultsViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(double rowHeight READ rowHeight CONSTANT)
public:
    // A page of fewer clubs is the last.
    static constexpr int kPageSize = 10;

    ClubSearchResultsViewController(AppContext &context, const QString &keywords, int sheng,
                                    int shi, QObject *parent = nullptr);

    double rowHeight() const { return ClubRows::kRowHeight; }

    Q_INVOKABLE void selectRow(int row);
};
