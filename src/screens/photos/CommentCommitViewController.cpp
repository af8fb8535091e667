#include "CommentCommitViewController.h"

CommentCommitViewController::CommentCommitViewController(AppContext &context, const User &owner,
                                                         Target target, QObject *parent)
    : ComposerFormViewController(context, owner.avatar, parent), owner_(owner),
      title_(target.titleFormat.arg(owner.nickname)), content_(target.content),
      target_(std::move(target))
{
    // The comment goes out as typed; only one of blanks alone is not sent.
    composer()->setTrimsText(false);
}

QString CommentCommitViewController::timeLine() const
{
    return QStringLiteral("%1, %2").arg(owner_.nickname, target_.time);
}

void CommentCommitViewController::commit(const Composer::Draft &draft)
{
    request()->post(
        target_.script,
        {{target_.idKey, target_.id},
         {QStringLiteral("reply"), QStringLiteral("0")},
         {QStringLiteral("content"), draft.text}},
        [this](const JSONFetcher &reply) {
            composer()->sendSucceeded();
            confirmAndClose(reply);
        },
        [this](const JSONFetcher &reply) { commitFailed(reply); });
}
