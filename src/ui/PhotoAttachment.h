#pragma once
// The photo a form sends with its text: asked for through the source sheet and the
// picker, prepared off the main thread, previewed 70 points wide (a very tall photo
// narrower), and forgotten once it went out.

#include "platform/ImagePicker.h"

#include <QByteArray>
#include <QObject>
#include <QSizeF>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <functional>

class AlertPresenter;
class PhotoPreparation;

class PhotoAttachment : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the form controllers")
    Q_PROPERTY(ImagePicker *imagePicker READ imagePicker CONSTANT)
    Q_PROPERTY(bool hasPhoto READ hasPhoto NOTIFY photoChanged)
    Q_PROPERTY(QUrl preview READ preview NOTIFY photoChanged)
    Q_PROPERTY(QSizeF previewSize READ previewSize NOTIFY photoChanged)
    Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)
public:
    static constexpr double kPreviewWidth = 70;
    static constexpr double kPreviewMaxHeight = 140;

    PhotoAttachment(AlertPresenter &alerts, QObject *parent);

    ImagePicker *imagePicker() const { return imagePicker_; }
    bool hasPhoto() const { return !data_.isEmpty(); }
    // The JPEG that goes out.
    const QByteArray &data() const { return data_; }
    QUrl preview() const { return preview_; }
    QSizeF previewSize() const { return previewSize_; }
    // While a picked photo is prepared.
    bool isBusy() const;

    // The source sheet's title, and whether the picker crops the photo square (an avatar).
    void setSheetTitle(const QString &title) { sheetTitle_ = title; }
    void setCropping(bool cropping) { cropping_ = cropping; }

    // The source sheet, then the picker; `cancelled` runs for "取消" on the sheet. A source
    // the device lacks brings the sheet back.
    void ask(std::function<void()> cancelled);
    void clear();

signals:
    void photoChanged();
    void busyChanged();
    // A photo was prepared and shows in the preview.
    void attached();

private:
    void prepared(const QImage &image, const QByteArray &jpeg);

    AlertPresenter &alerts_;
    ImagePicker *imagePicker_;
    PhotoPreparation *preparation_;
    QString sheetTitle_;
    bool cropping_ = false;
    QByteArray data_;
    QUrl preview_;
    QSizeF previewSize_;
};
