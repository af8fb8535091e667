#pragma once
// Uploading a photo to the user's own album: the source sheet at once, the picked photo
// prepared off the main thread and previewed, a caption of at most 140 units, the comment
// check box; the upload's progress while it runs, and a question before leaving it. After
// a success the user may go back or upload the next photo.

#include "PostFormViewController.h"
#include "platform/ImagePicker.h"

#include <QByteArray>
#include <QSizeF>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class PhotoPreparation;

class PictureUploadViewController : public PostFormViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(ImagePicker *imagePicker READ imagePicker CONSTANT)
    Q_PROPERTY(bool hasPhoto READ hasPhoto NOTIFY photoChanged)
    Q_PROPERTY(QUrl preview READ preview NOTIFY photoChanged)
    Q_PROPERTY(QSizeF previewSize READ previewSize NOTIFY photoChanged)
public:
    static constexpr int kMaxCaption = 140;
    static inline const QString kScript = QStringLiteral("my_photo_upload.php");
    static constexpr double kPreviewWidth = 70;
    // A very tall photo is previewed narrower, so that it leaves room for the form.
    static constexpr double kPreviewMaxHeight = 140;

    explicit PictureUploadViewController(AppContext &context, QObject *parent = nullptr);

    ImagePicker *imagePicker() const { return imagePicker_; }
    bool hasPhoto() const { return !photoData_.isEmpty(); }
    // The JPEG that goes out.
    const QByteArray &photoData() const { return photoData_; }
    QUrl preview() const { return preview_; }
    QSizeF previewSize() const { return previewSize_; }
    // While the picked photo is prepared. The upload itself shows its progress instead,
    // and leaves the back button free.
    bool busy() const override;

    Q_INVOKABLE void showSourceSheet();
    // Asks first while the upload runs.
    void goBack() override;

signals:
    void photoChanged();

protected:
    void viewDidLoad() override;
    bool focusesTextOnAppear() const override { return false; }
    void commit(const Composer::Draft &draft) override;

private:
    void photoPrepared(const QImage &image, const QByteArray &jpeg);
    void uploaded();
    void clearPhoto();

    ImagePicker *imagePicker_;
    PhotoPreparation *preparation_;
    QByteArray photoData_;
    QUrl preview_;
    QSizeF previewSize_;
};
