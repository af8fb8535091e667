#pragma once
// The sheet asking where a photo comes from: "拍照上传" (the camera), "从相册选择" (the
// library) or "取消". The avatar step and the photo upload ask it the same way.

#include "platform/ImagePicker.h"

#include <QString>

#include <functional>
#include <optional>

class AlertPresenter;
class QObject;

namespace PhotoSourceSheet {

inline const QString kCameraButton = QStringLiteral("拍照上传");
inline const QString kLibraryButton = QStringLiteral("从相册选择");
inline const QString kCancelButton = QStringLiteral("取消");

// `chosen` gets the source, or none for "取消"; it runs only while `owner` lives.
void show(AlertPresenter &alerts, const QString &title, QObject *owner,
          std::function<void(std::optional<ImagePicker::SourceType> source)> chosen);

} // namespace PhotoSourceSheet
