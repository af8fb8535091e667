#include "ImagePicker.h"

#include "LogCategories.h"

#include <QImageReader>

#include <algorithm>

ImagePicker::ImagePicker(QObject *parent) : QObject(parent)
{
}

bool ImagePicker::isSourceTypeAvailable(SourceType source)
{
    return source == SourceType::PhotoLibrary;
}

bool ImagePicker::present(SourceType source, bool allowsEditing)
{
    if (!isSourceTypeAvailable(source) || state_ != State::Idle)
        return false;
    allowsEditing_ = allowsEditing;
    errorText_.clear();
    setState(State::ChoosingFile);
    return true;
}

QImage ImagePicker::readImage(const QUrl &file)
{
    QImageReader reader(file.isLocalFile() ? file.toLocalFile() : file.toString());
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    QImage image;
    if (size.isValid() && qint64(size.width()) * size.height() <= kMaxPixels)
        image = reader.read();
    if (image.isNull())
        qCInfo(lcPlatform) << "picked file is not a readable image:" << reader.errorString();
    return image;
}

void ImagePicker::chooseFile(const QUrl &file)
{
    if (state_ != State::ChoosingFile)
        return;
    if (!allowsEditing_) {
        reset();
        emit didFinishPickingFile(file);
        return;
    }
    const QImage image = readImage(file);
    if (image.isNull()) {
        errorText_ = kUnreadableImage;
        emit stateChanged();
        return;
    }
    errorText_.clear();
    image_ = image;
    imageUrl_ = file;
    // The largest centred square, as the phone's editor starts.
    const int side = std::min(image.width(), image.height());
    cropRect_ = QRect((image.width() - side) / 2, (image.height() - side) / 2, side, side);
    setState(State::Cropping);
    emit cropRectChanged();
}

void ImagePicker::setCropRect(const QRect &rect)
{
    if (state_ != State::Cropping)
        return;
    const int largest = std::min(image_.width(), image_.height());
    const int side = std::clamp(std::min(rect.width(), rect.height()), 1, largest);
    const int x = std::clamp(rect.x(), 0, image_.width() - side);
    const int y = std::clamp(rect.y(), 0, image_.height() - side);
    const QRect square(x, y, side, side);
    if (square == cropRect_)
        return;
    cropRect_ = square;
    emit cropRectChanged();
}

void ImagePicker::finishCropping()
{
    if (state_ != State::Cropping)
        return;
    finish(image_.copy(cropRect_));
}

void ImagePicker::cancel()
{
    if (state_ == State::Idle)
        return;
    reset();
    emit didCancel();
}

void ImagePicker::finish(const QImage &image)
{
    reset();
    emit didFinishPickingImage(image);
}

void ImagePicker::reset()
{
    image_ = QImage();
    imageUrl_.clear();
    cropRect_ = QRect();
    errorText_.clear();
    setState(State::Idle);
}

void ImagePicker::setState(State state)
{
    state_ = state;
    emit stateChanged();
}
