#include "PostFormViewController.h"

#include "platform/AppContext.h"
#include "platform/SettingsStore.h"

namespace {

// Comments are open unless the user turned them off.
int allowCommentFrom(const QString &setting)
{
    return setting.isEmpty() || setting == QLatin1String("YES") ? 0 : 1;
}

} // namespace

PostFormViewController::PostFormViewController(AppContext &context, const QString &settingsKey,
                                               qsizetype maxUnits, QObject *parent)
    : ComposerFormViewController(context, ownAvatar(context), parent),
      allowComment_(allowCommentFrom(context.settings().string(settingsKey)))
{
    limitLength(maxUnits);
}

QString PostFormViewController::checkBoxImage() const
{
    return allowComment_ == 0 ? QStringLiteral("albums-checkbox-s.png")
                              : QStringLiteral("albums-checkbox-n.png");
}

void PostFormViewController::checkBoxTapped()
{
    allowComment_ = allowComment_ == 0 ? 1 : 0;
    emit allowCommentChanged();
}
