#include "PictureUploadViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"

namespace {
const QString kUploadedTitle = QStringLiteral("上传成功！");
const QString kUploadedMessage = QStringLiteral("你的照片已成功上传，是否继续上传新的照片？");
const QString kUploadedBack = QStringLiteral("返回");
const QString kUploadAnother = QStringLiteral("上传新的照片");
const QString kLeavingTitle = QStringLiteral("正在上传照片");
const QString kLeavingMessage = QStringLiteral("现在返回可能会无法完成上传，是否确定返回？");
const QString kStay = QStringLiteral("取消");
} // namespace

PictureUploadViewController::PictureUploadViewController(AppContext &context, QObject *parent)
    : PostFormViewController(context, SettingsKeys::allowPictureComment, kMaxCaption, parent),
      photo_(new PhotoAttachment(context.alerts(), this))
{
    // A photo without a caption is a photo all the same.
    composer()->setBlankText(Composer::BlankText::Sent);
    connect(photo_->imagePicker(), &ImagePicker::didCancel, this, &ViewController::back);
    connect(photo_, &PhotoAttachment::busyChanged, this, &ViewController::busyChanged);
    connect(photo_, &PhotoAttachment::attached, composer(), &Composer::focusInput);
}

bool PictureUploadViewController::busy() const
{
    return photo_->isBusy();
}

void PictureUploadViewController::viewDidLoad()
{
    showSourceSheet();
}

void PictureUploadViewController::showSourceSheet()
{
    photo_->ask([this] { back(); });
}

void PictureUploadViewController::commit(const Composer::Draft &draft)
{
    if (photo_->isBusy()) {
        composer()->sendFailed();
        return;
    }
    if (!photo_->hasPhoto()) {
        composer()->sendFailed();
        showSourceSheet();
        return;
    }
    request()->upload(
        kScript,
        {{QStringLiteral("text"), draft.text},
         {QStringLiteral("isremark"), isremark()},
         {QStringLiteral("file"), QVariantMap{{QStringLiteral("img"), photo_->data()}}}},
        [this](const JSONFetcher &) { uploaded(); },
        [this](const JSONFetcher &reply) { commitFailed(reply); });
}

void PictureUploadViewController::uploaded()
{
    // The form is emptied at once: nothing of this photo can go out a second time.
    composer()->sendSucceeded();
    photo_->clear();
    context().notifications().post(NotificationNames::pictureUploaded);
    context().alerts().showAlert(kUploadedTitle, kUploadedMessage, kUploadedBack, {kUploadAnother},
                                 0, this, [this](int index) {
                                     if (index == 0)
                                         back();
                                     else
                                         showSourceSheet();
                                 });
}

void PictureUploadViewController::goBack()
{
    if (!request()->busy()) {
        back();
        return;
    }
    context().alerts().showAlert(kLeavingTitle, kLeavingMessage, kStay, {AlertPresenter::kOkButton},
                                 0, this, [this](int index) {
                                     if (index == 0)
                                         return;
                                     request()->cancel();
                                     composer()->sendFailed();
                                     back();
                                 });
}
