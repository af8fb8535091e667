import QtQuick
import Nuvora

// The conversations, newest first, with their unread counts.
Screen {
    id: view

    required property MessageBoxViewController controller

    title: "会话"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    rightItem: Component {
        TurningButton {
            objectName: "editButton"
            turn: view.controller.editButton
            icon: Theme.image("messagebox-edit.png")
            Accessible.name: view.controller.editing ? "完成" : "编辑"
            onClicked: view.controller.edit()
        }
    }

    MessageBoxList {
        objectName: "messageBoxTable"
        anchors.fill: parent
        controller: view.controller
    }
}
