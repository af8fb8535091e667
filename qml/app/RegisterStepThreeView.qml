import QtQuick
import Nuvora

// Registration, last step: nickname, birthday from the date panel, gender.
Screen {
    id: view

    required property RegisterStepThreeViewController controller

    title: "注册 (3/3)"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    busyText: "正在注册"

    Column {
        anchors.top: parent.top
        anchors.topMargin: 30
        anchors.horizontalCenter: parent.horizontalCenter
        width: 280
        spacing: 14

        PlainText {
            width: parent.width
            text: "完善你的资料"
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.titleFontSize
            horizontalAlignment: Text.AlignHCenter
            bottomPadding: 8
        }

        FormField {
            label: "昵称"
            placeholder: "大家怎么称呼你"
            text: view.controller.nickname
            wantsFocus: view.controller.focusedField === "nickname"
            onEdited: text => view.controller.nickname = text
        }

        FormField {
            label: "生日"
            placeholder: "点击选择出生日期"
            text: view.controller.birthday
            readOnly: true
            onTapped: view.controller.selectBirthday()
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 20

            GenderButton {
                label: "男"
                image: view.controller.maleButtonImage
                chosen: view.controller.gender === "1"
                onClicked: view.controller.selectGender(1)
            }
            GenderButton {
                label: "女"
                image: view.controller.femaleButtonImage
                chosen: view.controller.gender === "2"
                onClicked: view.controller.selectGender(2)
            }
        }

        Item { width: 1; height: 6 }

        NeonButton {
            label: view.controller.finishButtonTitle
            onClicked: view.controller.stepThreeFinished()
        }
    }

    PickerPanel {
        parent: view
        z: 9
        shown: view.controller.datePickerShown
        title: "出生日期"
        cancellable: false
        onDone: view.controller.fininshedSelectBirthday()

        DateWheelRow {
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            wheels: view.controller.birthdayWheels
        }
    }

    component GenderButton: Image {
        id: gender

        required property string label
        required property string image
        property bool chosen
        signal clicked

        width: 110
        height: 40
        source: Theme.image(image)

        PlainText {
            anchors.right: parent.right
            anchors.rightMargin: 24
            anchors.verticalCenter: parent.verticalCenter
            text: gender.label
            color: Theme.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.titleFontSize
            font.bold: true
        }

        ExclusiveTap {
            onTapped: gender.clicked()
        }
        Accessible.role: Accessible.RadioButton
        Accessible.name: label
        Accessible.checked: chosen
        Accessible.onPressAction: gender.clicked()
    }
}
