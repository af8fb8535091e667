#include "RegisterStepTwoViewController.h"

#include "api/CommonFunctions.h"
#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "ui/PhotoSourceSheet.h"
#include "ui/Router.h"

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
    PhotoSourceSheet::show(context().alerts(), kSheetTitle, this,
                           [this](std::optional<ImagePicker::SourceType> source) {
                               if (source)
                                   imagePicker_->present(*source, true);
                           });
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
    const QByteArray data = CommonFunctions::jpegData(scaled, kJpegQuality);
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
