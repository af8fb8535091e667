#include "PictureUploadViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/SettingsKeys.h"
#include "ui/PhotoPreparation.h"
#include "ui/PhotoSourceSheet.h"

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
      imagePicker_(new ImagePicker(this)), preparation_(new PhotoPreparation(this))
{
    // A photo without a caption is a photo all the same.
    composer()->setBlankText(Composer::BlankText::Sent);
    connect(imagePicker_, &ImagePicker::didFinishPickingFile, preparation_,
            &PhotoPreparation::start);
    connect(imagePicker_, &ImagePicker::didCancel, this, &ViewController::back);
    connect(preparation_, &PhotoPreparation::busyChanged, this, &ViewController::busyChanged);
    connect(preparation_, &PhotoPreparation::prepared, this,
            &PictureUploadViewController::photoPrepared);
    connect(preparation_, &PhotoPreparation::failed, this, [this](const QString &message) {
        this->context().alerts().showCommonAlert(message, QString());
    });
}

bool PictureUploadViewController::busy() const
{
    return preparation_->isBusy();
}

void PictureUploadViewController::viewDidLoad()
{
    showSourceSheet();
}

void PictureUploadViewController::showSourceSheet()
{
    PhotoSourceSheet::show(context().alerts(), QString(), this,
                           [this](std::optional<ImagePicker::SourceType> source) {
                               if (!source)
                                   back();
                               else if (!imagePicker_->present(*source, false))
                                   showSourceSheet();
                           });
}

void PictureUploadViewController::photoPrepared(const QImage &image, const QByteArray &jpeg)
{
    photoData_ = jpeg;
    preview_ =
        QUrl(QStringLiteral("data:image/jpeg;base64,") + QString::fromLatin1(jpeg.toBase64()));
    const double height = kPreviewWidth * image.height() / image.width();
    previewSize_ =
        height <= kPreviewMaxHeight
            ? QSizeF(kPreviewWidth, height)
            : QSizeF(kPreviewMaxHeight * image.width() / image.height(), kPreviewMaxHeight);
    emit photoChanged();
    composer()->focusInput();
}

void PictureUploadViewController::clearPhoto()
{
    preparation_->cancel();
    photoData_.clear();
    preview_.clear();
    previewSize_ = QSizeF();
    emit photoChanged();
}

void PictureUploadViewController::commit(const Composer::Draft &draft)
{
    if (preparation_->isBusy()) {
        composer()->sendFailed();
        return;
    }
    if (photoData_.isEmpty()) {
        composer()->sendFailed();
        showSourceSheet();
        return;
    }
    request()->upload(
        kScript,
        {{QStringLiteral("text"), draft.text},
         {QStringLiteral("isremark"), isremark()},
         {QStringLiteral("file"), QVariantMap{{QStringLiteral("img"), photoData_}}}},
        [this](const JSONFetcher &) { uploaded(); },
        [this](const JSONFetcher &reply) { commitFailed(reply); });
}

void PictureUploadViewController::uploaded()
{
    // The form is emptied at once: nothing of this photo can go out a second time.
    composer()->sendSucceeded();
    clearPhoto();
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
