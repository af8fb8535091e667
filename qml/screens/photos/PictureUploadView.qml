import QtQuick
import QtQuick.Controls
import Nuvora

// Uploading a photo: the caption beside the avatar, the photo's preview and the comment
// check box under it; while the photo goes out, a bar of its progress stands in for the
// upload button. The picker opens over the form.
ComposerFormScreen {
    id: view

    required property PictureUploadViewController controller

    form: view.controller
    title: "上传照片"
    busyText: "正在处理照片"
    rightTitle: view.controller.request.busy ? "" : "上传"
    placeholderText: "为这张照片写点什么吧"
    fieldName: "照片描述"

    below: [
        PhotoPreview {
            id: preview
            photo: view.controller.photo
        },
        CommentCheckBox {
            anchors.left: preview.visible ? preview.right : parent.left
            anchors.leftMargin: preview.visible ? 12 : 0
            image: view.controller.checkBoxImage
            onTapped: view.controller.checkBoxTapped()
        },
        ProgressBar {
            objectName: "uploadProgress"
            anchors.right: parent.right
            y: 40
            width: 160
            visible: view.controller.request.busy
            value: view.controller.request.progress
            Accessible.name: "上传进度"
        }
    ]

    ImagePickerView {
        anchors.fill: parent
        picker: view.controller.photo.imagePicker
    }
}
