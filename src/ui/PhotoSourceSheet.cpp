#include "PhotoSourceSheet.h"

#include "platform/AlertPresenter.h"

namespace PhotoSourceSheet {

void show(AlertPresenter &alerts, const QString &title, QObject *owner,
          std::function<void(std::optional<ImagePicker::SourceType> source)> chosen)
{
    // Shown in this order, the cancel button last.
    alerts.showActionSheet(title, kCancelButton, QString(), {kCameraButton, kLibraryButton}, owner,
                           [chosen = std::move(chosen)](int index) {
                               if (index == 0)
                                   chosen(ImagePicker::SourceType::Camera);
                               else if (index == 1)
                                   chosen(ImagePicker::SourceType::PhotoLibrary);
                               else
                                   chosen(std::nullopt);
                           });
}

} // namespace PhotoSourceSheet
