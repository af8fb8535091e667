import QtQuick
import Nuvora

// The sign-in screen: e-mail and password, the registration and the
// password-recovery page.
Item {
    id: view

    required property LoginViewController controller

    ScreenBackground {}

    NavigationBar {
        id: bar
        title: "登录"
        rightTitle: "注册"
        onRightClicked: view.controller.registerButtonTapped()
    }

    Column {
        anchors.top: bar.bottom
        anchors.topMargin: 36
        anchors.horizontalCenter: parent.horizontalCenter
        width: 280
        spacing: 14

        Text {
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

        Text {
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
        }

        FormField {
            label: "密码"
            placeholder: "登录密码"
            text: view.controller.password
            echoMode: TextInput.Password
            wantsFocus: view.controller.focusedField === "password"
            onEdited: text => view.controller.password = text
        }

        Item { width: 1; height: 6 }

        NeonButton {
            label: "登录"
            onClicked: view.controller.login()
        }

        Text {
            width: parent.width
            text: "忘记密码？"
            color: Theme.accentCyan
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontSize
            font.underline: true
            horizontalAlignment: Text.AlignHCenter
            topPadding: 6

            TapHandler {
                onTapped: view.controller.getPassword()
            }
            Accessible.role: Accessible.Link
            Accessible.name: "忘记密码"
            Accessible.onPressAction: view.controller.getPassword()
        }
    }

    RunningIndicator {
        anchors.centerIn: parent
        running: view.controller.running
        z: 11
        Accessible.name: "正在登录"
    }

    InputBlocker {
        enabled: view.controller.running
    }
}
