#pragma once
// Venue lists following a venue the user changed on its page (liked it, signed up, let
// it go), so that a list shows the user's own action without a reload.

#include "ui/PagedQuery.h"

#include <QVariant>
#include <optional>

namespace VenueListFollow {

// The rows of `query` showing `changed` (told apart by `id`) take its new state. In a
// list of what the user holds (sign-ups, favourites), `held` says whether the user
// still holds it: one let go leaves, one newly taken loads the list again, since where
// it belongs among the pages is the server's to say.
template <class Record>
void follow(PagedQuery *query, const Record &changed, int Record::*id,
            std::optional<bool> held = std::nullopt)
{
    if (!query)
        return;
    RecordListModel *rows = query->model();
    bool shown = false;
    for (int row = rows->count() - 1; row >= 0; --row) {
        const std::optional<Record> old = rows->recordAt<Record>(row);
        if (!old || (*old).*id != changed.*id)
            continue;
        shown = true;
        if (held == false)
            rows->removeAt(row);
        else
            rows->replace(row, QVariant::fromValue(changed));
    }
    if (held == true && !shown)
        query->reload();
}

} // namespace VenueListFollow
