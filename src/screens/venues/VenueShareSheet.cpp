#include "VenueShareSheet.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"

namespace VenueShareSheet {

void offer(AppContext &context, QObject *owner, std::function<void(int service)> chosen)
{
    context.alerts().showActionSheet(
        QString(), QStringLiteral("取消"), QString(),
        {QStringLiteral("分享到新浪微博"), QStringLiteral("分享到腾讯微博")}, owner,
        [chosen = std::move(chosen)](int index) {
            if (index == 0 || index == 1)
                chosen(index);
        });
}

} // namespace VenueShareSheet
