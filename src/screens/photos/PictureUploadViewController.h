#pragma once
// Uploading a photo to the user's own album: the source sheet at once, the picked photo
// prepared off the main thread and previewed, a caption of at most 140 units, the comment
// check box; the upload's progress while it runs, and a question before leaving it. After
// a success the user may go back or upload the next photo.

#include "PostFormViewController.h"
#include "ui/PhotoAttachment.h"

#include <QtQml/qqmlregistration.h>

class PictureUploadViewController : public PostFormViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the router")
    Q_PROPERTY(PhotoAttachment *photo READ photo CONSTANT)
public:
    static constexpr int kMaxCaption = 140;
    static inline const QString kScript = QStringLiteral("my_photo_upload.php");
    explicit PictureUploadViewController(AppContext &context, QObject *parent = nullptr);

    PhotoAttachment *photo() const { return photo_; }
    ImagePicker *imagePicker() const { return photo_->imagePicker(); }
    bool hasPhoto() const { return photo_->hasPhoto(); }
    QSizeF previewSize() const { return photo_->previewSize(); }
    // While the picked photo is prepared. The upload itself shows its progress instead,
    // and leaves the back button free.
    bool busy() const override;

    Q_INVOKABLE void showSourceSheet();
    // Asks first while the upload runs.
    void goBack() override;

protected:
    void viewDidLoad() override;
    bool focusesTextOnAppear() const override { return false; }
    void commit(const Composer::Draft &draft) override;

private:
    void uploaded();

    PhotoAttachment *photo_;
};
