import QtQuick
import Nuvora

// The old password, the new one and its repetition, and the button that changes it.
Screen {
    id: view

    required property ChangePasswordViewController controller

    title: "修改密码"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    busyText: "正在提交"

    Column {
        x: 20
        y: 24
        width: parent.width - 40
        spacing: 14

        FormField {
            label: "原密码"
            placeholder: "原始密码"
            text: view.controller.oldPassword
            echoMode: TextInput.Password
            wantsFocus: view.controller.focusOldPassword
            onEdited: text => view.controller.oldPassword = text
            onAccepted: view.controller.ok()
        }

        FormField {
            label: "新密码"
            placeholder: "6至16位"
            text: view.controller.newPassword
            echoMode: TextInput.Password
            onEdited: text => view.controller.newPassword = text
            onAccepted: view.controller.ok()
        }

        FormField {
            label: "确认"
            placeholder: "再输入一次新密码"
            text: view.controller.repeatPassword
            echoMode: TextInput.Password
            onEdited: text => view.controller.repeatPassword = text
            onAccepted: view.controller.ok()
        }

        Item { width: 1; height: 6 }

        NeonButton {
            label: "确定"
            onClicked: view.controller.ok()
        }
    }
}
