#include "ActivityPublicViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"

namespace {
const QString kPublishedTitle = QStringLiteral("发表成功！");
const QString kPublishedBack = QStringLiteral("返回");
// Posts to the feed are open to comments.
const QString kOpenToComments = QStringLiteral("0");
} // namespace

ActivityPublicViewController::ActivityPublicViewController(AppContext &context, QObject *parent)
    : ComposerFormViewController(context, ownAvatar(context), parent),
      photo_(new PhotoAttachment(context.alerts(), this))
{
    limitLength(kMaxText);
    composer()->setBlankText(Composer::BlankText::Refused, kEmptyTitle);
    // A photo needs no words; without one, something must be said.
    connect(photo_, &PhotoAttachment::photoChanged, this, [this] {
        composer()->setBlankText(photo_->hasPhoto() ? Composer::BlankText::Sent
                                                    : Composer::BlankText::Refused,
                                 kEmptyTitle);
    });
    connect(photo_, &PhotoAttachment::busyChanged, this, &ViewController::busyChanged);
    connect(photo_, &PhotoAttachment::attached, composer(), &Composer::focusInput);
}

bool ActivityPublicViewController::busy() const
{
    return ComposerFormViewController::busy() || photo_->isBusy();
}

void ActivityPublicViewController::pickImage()
{
    if (!published_)
        photo_->ask({});
}

void ActivityPublicViewController::commit(const Composer::Draft &draft)
{
    if (published_ || photo_->isBusy()) {
        composer()->sendFailed();
        return;
    }
    const auto failed = [this](const JSONFetcher &reply) { commitFailed(reply); };
    if (photo_->hasPhoto()) {
        request()->upload(
            kPhotoScript,
            {{QStringLiteral("text"), draft.text},
             {QStringLiteral("isremark"), kOpenToComments},
             {QStringLiteral("file"), QVariantMap{{QStringLiteral("img"), photo_->data()}}}},
            [this](const JSONFetcher &reply) {
                published(reply, NotificationNames::pictureUploaded);
            },
            failed);
    } else {
        request()->post(
            kMoodScript,
            {{QStringLiteral("content"), draft.text},
             {QStringLiteral("isremark"), kOpenToComments}},
            [this](const JSONFetcher &reply) { published(reply, NotificationNames::moodPosted); },
            failed);
    }
}

void ActivityPublicViewController::published(const JSONFetcher &, const QString &notification)
{
    // The text and photo stay in sight under the alert, but nothing goes out twice.
    published_ = true;
    composer()->sendFailed();
    context().notifications().post(notification);
    context().alerts().showAlert(kPublishedTitle, QString(), kPublishedBack, {}, 0, this,
                                 [this](int) { back(); });
}
