import QtQuick
import Nuvora

// The preview of the photo a form sends, at the size its attachment gives; a tap reports.
Image {
    id: preview

    required property PhotoAttachment photo
    signal tapped

    objectName: "photoPreview"
    visible: preview.photo.hasPhoto
    width: preview.photo.previewSize.width
    height: preview.photo.previewSize.height
    source: preview.photo.preview
    fillMode: Image.PreserveAspectFit
    Accessible.role: Accessible.Graphic
    Accessible.name: "待上传的照片"

    ExclusiveTap {
        onTapped: preview.tapped()
    }
}
