#include "FollowFansTabs.h"

#include "UserRows.h"
#include "model/User.h"

namespace FollowFansTabs {

namespace {
const QString kFollows = QStringLiteral("follows");
}

TabbedQueries *make(AppContext &context, QObject *screen, const QString &title,
                    std::function<void(PagedQuery *)> show, const QString &followsScript,
                    const QString &fansScript, const QVariantMap &parameters)
{
    auto *tabs = new TabbedQueries(title, std::move(show), screen);
    auto list = [&](const QString &script) {
        return PagedQuery::of<User>(
            context, UserRows::request(context, script, kFollows, parameters), screen);
    };
    tabs->addTab(QStringLiteral("关注"), FollowsTag, list(followsScript),
                 QStringLiteral("还没有关注的人"));
    tabs->addTab(QStringLiteral("粉丝"), FansTag, list(fansScript), QStringLiteral("还没有粉丝"));
    return tabs;
}

void openUserHome(AppContext &context, const TabbedQueries &tabs, int row)
{
    if (const PagedQuery *shown = tabs.shown())
        UserRows::openUserHome(context, shown->model(), row);
}

} // namespace FollowFansTabs
