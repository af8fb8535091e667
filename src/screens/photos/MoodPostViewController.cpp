#include "MoodPostViewController.h"

#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"

MoodPostViewController::MoodPostViewController(AppContext &context, QObject *parent)
    : PostFormViewController(context, SettingsKeys::allowMoodComment, kMaxContent, parent)
{
    composer()->setBlankText(Composer::BlankText::Refused, kEmptyTitle);
}

void MoodPostViewController::commit(const Composer::Draft &draft)
{
    request()->post(
        kScript,
        {{QStringLiteral("content"), draft.text}, {QStringLiteral("isremark"), isremark()}},
        [this](const JSONFetcher &reply) {
            composer()->sendSucceeded();
            context().notifications().post(NotificationNames::moodPosted);
            confirmAndClose(reply);
        },
        [this](const JSONFetcher &reply) { commitFailed(reply); });
}
