#pragma once
// The viewer's photos from a list of pictures: each page loads the picture's full-size
// address through the image loader, over the large placeholder.

#include "KTPhotoBrowserDataSource.h"
#include "model/Picture.h"

#include <QList>
#include <QStringList>

class ImageDataSource : public KTPhotoBrowserDataSource {
public:
    static inline const QString kPlaceholder = QStringLiteral("placeholder-300-300.png");

    explicit ImageDataSource(QList<Picture> pictures) : pictures_(std::move(pictures)) {}
    // Pictures known only by their full-size addresses.
    static ImageDataSource fromAddresses(const QStringList &addresses);

    const QList<Picture> &pictures() const { return pictures_; }

    int numberOfPhotos() const override { return int(pictures_.size()); }
    void imageAtIndexPhotoView(int index, KTPhotoView &photoView) override;

private:
    QList<Picture> pictures_;
};
