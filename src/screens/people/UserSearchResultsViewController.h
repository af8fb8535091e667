#pragma once
// The users a search found, page by page (a page is full at 20 users, and only a full
// page lets another one be asked for), pulled down to search again from the first page.

#include "ui/BLKTableViewController.h"

#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class UserSearchResultsViewController : public BLKTableViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(double rowHeight READ rowHeight CONSTANT)
public:
    static inline const QString kScript = QStringLiteral("user_search.php");
    static constexpr int kFullPage = 20;
    static constexpr double kRowHeight = 70;

    // `queryParameters`: the search form's, copied; "page" is added per request.
    UserSearchResultsViewController(AppContext &context, QVariantMap queryParameters,
                                    QObject *parent = nullptr);

    const QVariantMap &queryParameters() const { return queryParameters_; }
    double rowHeight() const { return kRowHeight; }

    // A row, or its avatar: that user's home page.
    Q_INVOKABLE void selectRow(int row);
    Q_INVOKABLE void cellAvatarButtonTapped(int row);

private:
    QVariantMap queryParameters_;
};
