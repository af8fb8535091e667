import QtQuick
import Nuvora

// The conversations, newest first, with their unread counts.
Screen {
    id: view

    required property MessageBoxViewController controller

    title: "会话"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    rightTurn: view.controller.editButton
    rightIcon: Theme.image("messagebox-edit.png")
    rightName: view.controller.editing ? "完成" : "编辑"
    onRightClicked: view.controller.edit()

    MessageBoxList {
        objectName: "messageBoxTable"
        anchors.fill: parent
        controller: view.controller
    }
}
