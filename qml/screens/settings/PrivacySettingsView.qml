import QtQuick
import Nuvora

// The privacy switches and their save button.
Screen {
    id: view

    required property PrivacySettingsViewController controller

    title: "隐私设置"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    busyText: "正在保存"

    Column {
        x: 10
        y: 14
        width: parent.width - 20
        spacing: 14

        Column {
            width: parent.width

            SwitchRow {
                label: "接收陌生人的消息"
                on: view.controller.strangerMessage
                row: 0
                rowCount: 3
                onToggled: on => view.controller.strangerMessage = on
            }
            SwitchRow {
                label: "允许评论我的心情"
                on: view.controller.moodComment
                row: 1
                rowCount: 3
                onToggled: on => view.controller.moodComment = on
            }
            SwitchRow {
                label: "允许评论我的照片"
                on: view.controller.pictureComment
                row: 2
                rowCount: 3
                onToggled: on => view.controller.pictureComment = on
            }
        }

        NeonButton {
            label: "保存"
            onClicked: view.controller.submitPrivacySettings()
        }
    }
}
