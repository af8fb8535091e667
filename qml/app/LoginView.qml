import QtQuick
import Nuvora

// The sign-in screen: e-mail and password, the registration and the
// password-recovery page.
Screen {
    id: view

    required property LoginViewController controller

    title: "登录"
    rightTitle: "注册"
    onRightClicked: view.controller.registerButtonTapped()
    busyText: "正在登录"

    Column {
        anchors.top: parent.top
        anchors.topMargin: 36
        anchors.horizontalCenter: parent.horizontalCenter
        width: 280
        spacing: 14

        PlainText {
            width: parent.width
            text: "Nuvora"
            color: Theme.accent
            font.family: Theme.fontFamily
            font.pixelSize: 38
            font.bold: true
            horizontalAlignment: Text.AlignHCenter
            style: Text.Outline
            styleColor: "#55ff3ea5"
            Accessible.name: "Nuvora"
        }

        PlainText {
            width: parent.width
            text: "夜色里，遇见身边的人"
            color: Theme.textDim
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSize
            horizontalAlignment: Text.AlignHCenter
            bottomPadding: 14
        }

        FormField {
            label: "邮箱"
            placeholder: "登录邮箱"
            text: view.controller.email
            inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase
            wantsFocus: view.controller.focusedField === "email"
            onEdited: text => view.controller.email = text
            onAccepted: view.controller.login()
        }

        FormField {
            label: "密码"
            placeholder: "登录密码"
            text: view.controller.password
            echoMode: TextInput.Password
            wantsFocus: view.controller.focusedField === "password"
            onEdited: text => view.controller.password = text
            onAccepted: view.controller.login()
        }

        Item { width: 1; height: 6 }

        NeonButton {
            label: "登录"
            onClicked: view.controller.login()
        }

        PlainText {
            width: parent.width
            text: "忘记密码？"
            color: Theme.accentCyan
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSize
            font.underline: true
            horizontalAlignment: Text.AlignHCenter
            topPadding: 6

            ExclusiveTap {
                onTapped: view.controller.getPassword()
            }
            Accessible.role: Accessible.Link
            Accessible.name: "忘记密码"
            Accessible.onPressAction: view.controller.getPassword()
        }
    }
}
