#include "PhotoAttachment.h"

#include "PhotoPreparation.h"
#include "PhotoSourceSheet.h"
#include "platform/AlertPresenter.h"

PhotoAttachment::PhotoAttachment(AlertPresenter &alerts, QObject *parent)
    : QObject(parent), alerts_(alerts), imagePicker_(new ImagePicker(this)),
      preparation_(new PhotoPreparation(this))
{
    connect(imagePicker_, &ImagePicker::didFinishPickingFile, preparation_,
            qOverload<const QUrl &>(&PhotoPreparation::start));
    connect(imagePicker_, &ImagePicker::didFinishPickingImage, preparation_,
            qOverload<const QImage &>(&PhotoPreparation::start));
    connect(preparation_, &PhotoPreparation::busyChanged, this, &PhotoAttachment::busyChanged);
    connect(preparation_, &PhotoPreparation::prepared, this, &PhotoAttachment::prepared);
    connect(preparation_, &PhotoPreparation::failed, this,
            [this](const QString &message) { alerts_.showCommonAlert(message, QString()); });
}

bool PhotoAttachment::isBusy() const
{
    return preparation_->isBusy();
}

void PhotoAttachment::ask(std::function<void()> cancelled)
{
    PhotoSourceSheet::show(alerts_, sheetTitle_, this,
                           [this, cancelled](std::optional<ImagePicker::SourceType> source) {
                               if (!source) {
                                   if (cancelled)
                                       cancelled();
                               } else if (!imagePicker_->present(*source, cropping_)) {
                                   ask(cancelled);
                               }
                           });
}

void PhotoAttachment::prepared(const QImage &image, const QByteArray &jpeg)
{
    data_ = jpeg;
    preview_ =
        QUrl(QStringLiteral("data:image/jpeg;base64,") + QString::fromLatin1(jpeg.toBase64()));
    const double height = kPreviewWidth * image.height() / image.width();
    previewSize_ =
        height <= kPreviewMaxHeight
            ? QSizeF(kPreviewWidth, height)
            : QSizeF(kPreviewMaxHeight * image.width() / image.height(), kPreviewMaxHeight);
    emit photoChanged();
    emit attached();
}

void PhotoAttachment::clear()
{
    preparation_->cancel();
    data_.clear();
    preview_.clear();
    previewSize_ = QSizeF();
    emit photoChanged();
}
