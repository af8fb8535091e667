import QtQuick
import QtQuick.Controls
import Nuvora

// Publishing to the feed: the text beside the avatar, and under it the photo to attach
// (a tap on it picks another); while a photo goes out, a bar of its progress.
ComposerFormScreen {
    id: view

    required property ActivityPublicViewController controller

    form: view.controller
    title: "发表动态"
    busyText: view.controller.photo.busy ? "正在处理照片" : "正在提交"
    rightTitle: view.controller.request.busy ? "" : "发表"
    placeholderText: "说点什么吧"
    fieldName: "动态内容"

    below: [
        PhotoPreview {
            id: preview
            photo: view.controller.photo
            onTapped: view.controller.pickImage()
        },
        PillButton {
            objectName: "attachButton"
            visible: !view.controller.photo.hasPhoto
            label: "添加照片"
            onClicked: view.controller.pickImage()
        },
        ProgressBar {
            objectName: "uploadProgress"
            anchors.right: parent.right
            y: 40
            width: 160
            visible: view.controller.request.busy && view.controller.photo.hasPhoto
            value: view.controller.request.progress
            Accessible.name: "上传进度"
        }
    ]

    ImagePickerView {
        anchors.fill: parent
        picker: view.controller.photo.imagePicker
    }
}
