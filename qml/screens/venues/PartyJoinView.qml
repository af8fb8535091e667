import QtQuick
import Nuvora

// The sign-up form of a party: contact name, telephone and number of people, and the
// commit button, which gives way to the running indicator while the form is sent.
Screen {
    id: view

    required property PartyJoinViewController controller

    title: "活动报名"
    busyText: "正在提交"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    Column {
        x: 20
        y: 20
        width: parent.width - 40
        spacing: 12

        PlainText {
            width: parent.width
            text: "请留下联系方式，方便主办方与您确认。"
            color: Theme.textDim
            font.pixelSize: 13
            wrapMode: Text.Wrap
        }

        FormField {
            objectName: "nameField"
            label: "联系人"
            placeholder: "您的姓名"
            text: view.controller.name
            maximumLength: 20
            wantsFocus: view.controller.focusedField === "name"
            onEdited: text => view.controller.name = text
            onAccepted: view.controller.commit()
        }

        FormField {
            objectName: "telField"
            label: "电话"
            placeholder: "联系电话"
            text: view.controller.tel
            maximumLength: 30
            inputMethodHints: Qt.ImhDialableCharactersOnly
            validator: RegularExpressionValidator {
                regularExpression: new RegExp("^" + view.controller.telCharacters + "$")
            }
            onEdited: text => view.controller.tel = text
            onAccepted: view.controller.commit()
        }

        FormField {
            objectName: "countField"
            label: "人数"
            placeholder: "出席人数"
            text: view.controller.count
            // Long enough that a number out of range is seen and refused, not cut.
            maximumLength: 6
            inputMethodHints: Qt.ImhDigitsOnly
            validator: RegularExpressionValidator {
                regularExpression: new RegExp("^" + view.controller.countCharacters + "$")
            }
            onEdited: text => view.controller.count = text
            onAccepted: view.controller.commit()
        }

        // While the form is sent, the running indicator stands in for the button.
        NeonButton {
            id: commitButton
            objectName: "commitButton"
            width: parent.width
            height: 44
            visible: !view.controller.busy
            label: "提交报名"
            Accessible.name: "提交报名"
            onClicked: view.controller.commit()
        }
    }
}
