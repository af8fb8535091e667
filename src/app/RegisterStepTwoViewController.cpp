#include "RegisterStepTwoViewController.h"

#include "api/CommonFunctions.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "ui/Router.h"

#include <QBuffer>

namespace {
constexpr int kCameraIndex = 0;
constexpr int kLibraryIndex = 1;

QByteArray jpegOf(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPEG", quality))
        bytes.clear();
    return bytes;
}
} // namespace

RegisterStepTwoViewController::RegisterStepTwoViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent), imagePicker_(new ImagePicker(this))
{
    connect(imagePicker_, &ImagePicker::didFinishPickingImage, this,
            &RegisterStepTwoViewController::imagePickerControllerDidFinishPickingImage);
}

RegisterStepTwoViewController::~RegisterStepTwoViewController() = default;

void RegisterStepTwoViewController::viewDidLoad()
{
    pickAvatar();
}

void RegisterStepTwoViewController::pickAvatar()
{
    context().alerts().showActionSheet(
        kSheetTitle, kCancelButton, QString(), {kCameraButton, kLibraryButton}, this,
        [this](int index) { actionSheetClickedButtonAtIndex(index); });
}

void RegisterStepTwoViewController::actionSheetClickedButtonAtIndex(int buttonIndex)
{
    if (buttonIndex == kCameraIndex)
        imagePicker_->present(ImagePicker::SourceType::Camera, true);
    else if (buttonIndex == kLibraryIndex)
        imagePicker_->present(ImagePicker::SourceType::PhotoLibrary, true);
}

QSize RegisterStepTwoViewController::avatarSize(const QSize &picked)
{
    if (picked.isEmpty())
        return picked;
    if (picked.height() < kMinSide)
        return {int(qint64(picked.width()) * kScaledSide / picked.height()), kScaledSide};
    if (picked.width() < kMinSide)
        return {kScaledSide, int(qint64(picked.height()) * kScaledSide / picked.width())};
    return picked;
}

void RegisterStepTwoViewController::imagePickerControllerDidFinishPickingImage(const QImage &image)
{
    if (image.isNull())
        return;
    const QSize size = avatarSize(image.size());
    const QImage scaled = size == image.size() ? image : CommonFunctions::scaleImage(image, size);
    const QByteArray data = jpegOf(scaled, kJpegQuality);
    if (data.isEmpty())
        return;
    imageData_ = data;
    avatarImage_ = QUrl(QStringLiteral("data:image/jpeg;base64,")
                        + QString::fromLatin1(imageData_.toBase64()));
    emit imageDataChanged();
}

void RegisterStepTwoViewController::stepTwoFinished()
{
    if (imageData_.isEmpty()) {
        context().alerts().showCommonAlert(QStringLiteral("请上传头像"), QString());
        return;
    }
    context().router().openRegistrationProfileStep(imageData_);
}
