#pragma once
// What the two follows-and-fans screens share: their two tabs of users, both read from
// the replies' "follows", and opening the user of a row.

#include "ui/TabbedQueries.h"

#include <QVariantMap>

class AppContext;

namespace FollowFansTabs {

enum Tag { FollowsTag = 1024, FansTag = 1025 };

// The follows tab asking `followsScript`, the fans tab `fansScript`, both with the
// screen's `parameters`; `show` puts a tab's list in the screen's table. Both lists
// belong to `screen`.
TabbedQueries *make(AppContext &context, QObject *screen, const QString &title,
                    std::function<void(PagedQuery *)> show, const QString &followsScript,
                    const QString &fansScript, const QVariantMap &parameters = {});

// Opens the home page of the user at `row` of the tab shown.
void openUserHome(AppContext &context, const TabbedQueries &tabs, int row);

} // namespace FollowFansTabs
