#pragma once
// What the club lists share: the request of a paged list of clubs (the reply's "clubs",
// each measured from the device's latest position) and the height of their rows.

#include "ui/PagedQuery.h"

#include <QVariantMap>

class AppContext;

namespace ClubRows {

// The height of a ClubListCell.
constexpr double kRowHeight = 94;

// Pages of `script` with the screen's own `parameters`.
PagedQuery::Request request(AppContext &context, const QString &script, QVariantMap parameters);

} // namespace ClubRows
