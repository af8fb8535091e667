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

    // The date panel: below the screen until asked for, then slid up. Its place is
    // measured on the whole screen, bar included, under the busy blocker.
    Rectangle {
        id: panel
        parent: view
        y: view.controller.datePickerY
        width: view.controller.datePickerWidth
        height: view.controller.datePickerHeight
        color: Theme.panelTop
        z: 9
        Behavior on y { NumberAnimation { duration: 200 } }

        Rectangle {
            id: panelBar
            width: parent.width
            height: 40
            color: Theme.panel

            PlainText {
                anchors.left: parent.left
                anchors.leftMargin: 14
                anchors.verticalCenter: parent.verticalCenter
                text: "出生日期"
                color: Theme.textDim
                font.family: Theme.fontFamily
                font.pixelSize: Theme.fontSize
            }
            AlertButton {
                anchors.right: parent.right
                anchors.rightMargin: 8
                anchors.verticalCenter: parent.verticalCenter
                width: 70
                height: 30
                label: "完成"
                emphasized: true
                onClicked: view.controller.fininshedSelectBirthday()
            }
        }

        Row {
            anchors.top: panelBar.bottom
            anchors.bottom: parent.bottom
            anchors.horizontalCenter: parent.horizontalCenter

            DateWheel {
                width: 120
                model: view.controller.maximumYear - view.controller.minimumYear + 1
                selected: view.controller.pickerYear - view.controller.minimumYear
                suffix: "年"
                offset: view.controller.minimumYear
                onPicked: index => view.controller.setPickerDate(
                              index + view.controller.minimumYear, view.controller.pickerMonth,
                              view.controller.pickerDay)
            }
            DateWheel {
                width: 90
                model: 12
                selected: view.controller.pickerMonth - 1
                suffix: "月"
                offset: 1
                onPicked: index => view.controller.setPickerDate(
                              view.controller.pickerYear, index + 1, view.controller.pickerDay)
            }
            DateWheel {
                width: 90
                // Every day stays on the wheel, so that it never resets under the
                // finger; days the month lacks are dimmed and snap back.
                model: 31
                available: view.controller.daysInPickerMonth
                selected: view.controller.pickerDay - 1
                suffix: "日"
                offset: 1
                onPicked: index => view.controller.setPickerDate(
                              view.controller.pickerYear, view.controller.pickerMonth, index + 1)
            }
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
