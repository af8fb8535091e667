#include "ImageDataSource.h"

#include "KTPhotoView.h"

ImageDataSource ImageDataSource::fromAddresses(const QStringList &addresses)
{
    QList<Picture> pictures;
    pictures.reserve(addresses.size());
    for (const QString &address : addresses)
        pictures.append(Picture::withAddress(address));
    return ImageDataSource(std::move(pictures));
}

void ImageDataSource::imageAtIndexPhotoView(int index, KTPhotoView &photoView)
{
    if (index < 0 || index >= pictures_.size())
        return;
    photoView.setImageWithURL(pictures_.at(index).img_big,
                              QUrl(QStringLiteral("qrc:/Nuvora/images/") + kPlaceholder));
}
