#pragma once
// Where the photo viewer gets its photos: how many there are, and the photo of a page.

class KTPhotoView;

class KTPhotoBrowserDataSource {
public:
    virtual ~KTPhotoBrowserDataSource() = default;
    virtual int numberOfPhotos() const = 0;
    // Fills the page view of photo `index` (placeholder first, the photo when it arrives).
    virtual void imageAtIndexPhotoView(int index, KTPhotoView &photoView) = 0;
};
