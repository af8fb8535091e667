#include "ComposerFormViewController.h"

#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"

ComposerFormViewController::ComposerFormViewController(AppContext &context, const QString &avatar,
                                                       QObject *parent)
    : ViewController(context, parent), composer_(new Composer(context, this)),
      request_(new RequestSlot(context, this)), avatar_(avatar)
{
    composer_->setSend([this](const Composer::Draft &draft) { commit(draft); });
    connect(request_, &RequestSlot::busyChanged, this, &ViewController::busyChanged);
}

void ComposerFormViewController::viewDidAppear(bool animated)
{
    ViewController::viewDidAppear(animated);
    if (focusesTextOnAppear())
        composer_->focusInput();
}

void ComposerFormViewController::commitFailed(const JSONFetcher &reply)
{
    composer_->sendFailed();
    request_->alertFailure(reply);
}

void ComposerFormViewController::confirmAndClose(const JSONFetcher &reply)
{
    context().alerts().showAlert(reply.message(), QString(), AlertPresenter::kOkButton, {}, 0, this,
                                 [this](int) { back(); });
}

QString ComposerFormViewController::ownAvatar(AppContext &context)
{
    const auto &user = context.session().defaultUser();
    return user ? user->avatar : QString();
}

void ComposerFormViewController::limitLength(qsizetype maxUnits)
{
    composer_->setLimit(maxUnits, kTooLongTitle, [maxUnits](qsizetype over) {
        return QStringLiteral("最多%1字，你已超出%2字").arg(maxUnits).arg(over);
    });
}
