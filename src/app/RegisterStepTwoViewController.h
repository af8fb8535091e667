#pragma once
// Registration, second step: the avatar, from the camera or the photo library,
// cropped square, scaled up when small and kept as JPEG for step three.

#include "platform/ImagePicker.h"
#include "platform/ViewController.h"

#include <QByteArray>
#include <QImage>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class RegisterStepTwoViewController : public ViewController {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the first registration step")
    Q_PROPERTY(ImagePicker *imagePicker READ imagePicker CONSTANT)
    Q_PROPERTY(QUrl avatarImage READ avatarImage NOTIFY imageDataChanged)
    Q_PROPERTY(bool hasAvatar READ hasAvatar NOTIFY imageDataChanged)
public:
    static inline const QString kSheetTitle = QStringLiteral("设置头像");
    // A side below this many points is scaled up to kScaledSide.
    static constexpr int kMinSide = 260;
    static constexpr int kScaledSide = 300;
    static constexpr int kJpegQuality = 60;

    explicit RegisterStepTwoViewController(AppContext &context, QObject *parent = nullptr);
    ~RegisterStepTwoViewController() override;

    ImagePicker *imagePicker() const { return imagePicker_; }
    const QByteArray &imageData() const { return imageData_; }
    // The picked image as the avatar button shows it.
    QUrl avatarImage() const { return avatarImage_; }
    bool hasAvatar() const { return !imageData_.isEmpty(); }

    // The size a picked image is sent at.
    static QSize avatarSize(const QSize &picked);

    Q_INVOKABLE void pickAvatar();
    Q_INVOKABLE void stepTwoFinished();

    void imagePickerControllerDidFinishPickingImage(const QImage &image);

signals:
    void imageDataChanged();

protected:
    void viewDidLoad() override;

private:
    ImagePicker *imagePicker_;
    QByteArray imageData_;
    QUrl avatarImage_;
};
