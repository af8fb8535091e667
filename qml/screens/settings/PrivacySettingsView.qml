import QtQuick
import QtQuick.Controls
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

            Repeater {
                model: [
                    { name: "strangerMessage", label: "接收陌生人的消息" },
                    { name: "moodComment", label: "允许评论我的心情" },
                    { name: "pictureComment", label: "允许评论我的照片" }
                ]

                delegate: Item {
                    id: switchRow

                    required property var modelData
                    required property int index

                    width: parent.width
                    height: 48

                    JoinedRowBackground {
                        anchors.fill: parent
                        row: switchRow.index
                        rowCount: 3
                    }

                    PlainText {
                        anchors.left: parent.left
                        anchors.leftMargin: 14
                        anchors.verticalCenter: parent.verticalCenter
                        text: switchRow.modelData.label
                    }

                    Switch {
                        objectName: switchRow.modelData.name
                        anchors.right: parent.right
                        anchors.rightMargin: 8
                        anchors.verticalCenter: parent.verticalCenter
                        checked: view.controller[switchRow.modelData.name]
                        onToggled: view.controller[switchRow.modelData.name] = checked
                        Accessible.name: switchRow.modelData.label
                    }
                }
            }
        }

        NeonButton {
            label: "保存"
            onClicked: view.controller.submitPrivacySettings()
        }
    }
}
