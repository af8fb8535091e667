#include "BugReportViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"

BugReportViewController::BugReportViewController(AppContext &context, QObject *parent)
    : ComposerFormViewController(context, ownAvatar(context), parent)
{
}

void BugReportViewController::commit(const Composer::Draft &draft)
{
    request()->post(
        kScript, {{QStringLiteral("content"), draft.text}},
        [this](const JSONFetcher &) {
            composer()->sendSucceeded();
            context().alerts().showAlert(kThanksTitle, kThanksMessage, AlertPresenter::kOkButton,
                                         {}, 0, this, [this](int) { back(); });
        },
        [this](const JSONFetcher &) { composer()->sendFailed(); });
}
