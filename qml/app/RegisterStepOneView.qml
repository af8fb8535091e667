import QtQuick
import Nuvora

// Registration, first step: the e-mail address and the password.
Screen {
    id: view

    required property RegisterStepOneViewController controller

    title: "注册 (1/3)"
    leftTitle: "登录"
    onLeftClicked: view.controller.gotoLogin()
    busyText: "正在检查邮箱"

    Column {
        anchors.top: parent.top
        anchors.topMargin: 30
        anchors.horizontalCenter: parent.horizontalCenter
        width: 280
        spacing: 14

        PlainText {
            width: parent.width
            text: "填写登录邮箱和密码"
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.titleFontSize
            horizontalAlignment: Text.AlignHCenter
            bottomPadding: 8
        }

        FormField {
            label: "邮箱"
            placeholder: "常用邮箱，用于登录"
            text: view.controller.email
            inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase
            wantsFocus: true
            onEdited: text => view.controller.email = text
        }

        FormField {
            label: "密码"
            placeholder: "6至16位"
            text: view.controller.password
            echoMode: TextInput.Password
            onEdited: text => view.controller.password = text
        }

        Item { width: 1; height: 6 }

        NeonButton {
            label: "下一步"
            onClicked: view.controller.stepOneFinished()
        }
    }
}
