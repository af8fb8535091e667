#pragma once
// The user lists' shared steps: the request for a page of users, and opening the home
// page of the user at a position of a list.

#include "ui/PagedQuery.h"

class AppContext;
class RecordListModel;

namespace UserRows {

// A page of users under `replyKey` of `script`'s reply, measured from the device's
// position, asked for with the screen's fixed `parameters`.
PagedQuery::Request request(AppContext &context, const QString &script,
                            const QString &replyKey = QStringLiteral("users"),
                            const QVariantMap &parameters = {});
// Opens the home page of the user at `index`; nothing outside the list.
void openUserHome(AppContext &context, const RecordListModel *users, int index);

} // namespace UserRows
