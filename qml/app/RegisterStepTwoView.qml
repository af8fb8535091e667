import QtQuick
import Nuvora

// Registration, second step: the avatar.
Screen {
    id: view

    required property RegisterStepTwoViewController controller

    title: "注册 (2/3)"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    Column {
        anchors.top: parent.top
        anchors.topMargin: 30
        anchors.horizontalCenter: parent.horizontalCenter
        width: 280
        spacing: 18

        PlainText {
            width: parent.width
            text: "上传一张清晰的头像"
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.titleFontSize
            horizontalAlignment: Text.AlignHCenter
        }

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 150
            height: 150
            radius: 12
            color: Theme.panel
            border.color: Theme.accentCyan
            border.width: 2

            Image {
                anchors.fill: parent
                anchors.margins: 4
                source: view.controller.hasAvatar ? view.controller.avatarImage
                                                  : Theme.image("register-avatar-placeholder.png")
                fillMode: Image.PreserveAspectCrop
                Accessible.ignored: true
            }

            ExclusiveTap {
                onTapped: view.controller.pickAvatar()
            }
            Accessible.role: Accessible.Button
            Accessible.name: "设置头像"
            Accessible.description: view.controller.hasAvatar ? "已选择头像" : "尚未选择头像"
            Accessible.onPressAction: view.controller.pickAvatar()
        }

        PlainText {
            width: parent.width
            text: "点击上方图片可重新选择"
            color: Theme.textDim
            font.family: Theme.fontFamily
            font.pixelSize: 12
            horizontalAlignment: Text.AlignHCenter
        }

        NeonButton {
            label: "下一步"
            onClicked: view.controller.stepTwoFinished()
        }
    }

    ImagePickerView {
        anchors.fill: parent
        picker: view.controller.imagePicker
    }
}
