#include "UserRows.h"

#include "model/Session.h"
#include "model/User.h"
#include "platform/AppContext.h"
#include "ui/RecordListModel.h"
#include "ui/Router.h"

namespace UserRows {

PagedQuery::Request request(AppContext &context, const QString &script, const QString &replyKey,
                            const QVariantMap &parameters)
{
    const Session &session = context.session();
    PagedQuery::Request request =
        PagedQuery::listOf<User>(script, replyKey, [&session](const nuvora::json::Value &element) {
            return User(element, session.userLocation);
        });
    if (!parameters.isEmpty())
        request.parameters = [parameters] { return parameters; };
    return request;
}

void openUserHome(AppContext &context, const RecordListModel *users, int index)
{
    if (!users)
        return;
    if (const std::optional<User> user = users->recordAt<User>(index))
        context.router().openUserHome(*user);
}

} // namespace UserRows
