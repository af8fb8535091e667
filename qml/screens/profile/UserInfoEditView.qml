import QtQuick
import Nuvora

// The profile editor: the avatar, the personal data as form rows, and the panels for the
// birthday and the places. A tap outside the rows takes the keyboard away.
Screen {
    id: view

    required property UserInfoEditViewController controller

    title: "编辑资料"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    // The hub's reminder pop-up rests above a picker panel that is shown.
    bottomBarHeight: view.controller.datePanelShown || view.controller.regionPanelShown ? 260 : 0
    busyText: "正在保存"

    // Takes the keyboard's focus away from the rows.
    Item {
        id: focusSink
    }

    Flickable {
        id: form
        anchors.fill: parent
        contentWidth: width
        contentHeight: fields.y + fields.height + 60
        boundsBehavior: Flickable.DragAndOvershootBounds
        clip: true

        TapHandler {
            onTapped: focusSink.forceActiveFocus()
        }

        AvatarImage {
            id: avatar
            x: 20
            y: 18
            width: 80
            height: 80
            address: view.controller.avatar
            rejected: !view.controller.avatarPhoto.hasPhoto && view.controller.user.avatarRejected
            emptyPicture: Theme.image("placeholder-80-80.png")
            accessibleName: "更换头像"
            onTapped: {
                focusSink.forceActiveFocus()
                view.controller.changeAvatar()
            }
        }
        Column {
            anchors.left: avatar.right
            anchors.leftMargin: 16
            anchors.verticalCenter: avatar.verticalCenter
            spacing: 8

            PlainText {
                text: "账号：" + view.controller.account
                font.pixelSize: 13
            }
            PlainText {
                text: "号码：" + view.controller.tag
                color: Theme.textDim
                font.pixelSize: 13
            }
        }

        Column {
            id: fields
            x: 20
            y: avatar.y + avatar.height + 20
            width: form.width - 40
            spacing: 10

            FormField {
                label: "昵称"
                text: view.controller.nickname
                onEdited: text => view.controller.nickname = text
                onAccepted: focusSink.forceActiveFocus()
            }
            FormField {
                label: "生日"
                readOnly: true
                placeholder: "点击选择"
                text: view.controller.birthday
                onTapped: {
                    focusSink.forceActiveFocus()
                    view.controller.selectBirthday()
                }
            }
            FormField {
                label: "居住地"
                readOnly: true
                placeholder: "点击选择"
                text: view.controller.cityName
                onTapped: {
                    focusSink.forceActiveFocus()
                    view.controller.selectCityInfo(UserInfoEditViewController.ResidenceTag)
                }
            }
            FormField {
                label: "家乡"
                readOnly: true
                placeholder: "点击选择"
                text: view.controller.homeTownName
                onTapped: {
                    focusSink.forceActiveFocus()
                    view.controller.selectCityInfo(UserInfoEditViewController.HomeTownTag)
                }
            }
            FormField {
                label: "身高"
                text: view.controller.height
                onEdited: text => view.controller.height = text
                onAccepted: focusSink.forceActiveFocus()
            }
            FormField {
                label: "体重"
                text: view.controller.weight
                onEdited: text => view.controller.weight = text
                onAccepted: focusSink.forceActiveFocus()
            }
            FormField {
                label: "职业"
                text: view.controller.occupation
                onEdited: text => view.controller.occupation = text
                onAccepted: focusSink.forceActiveFocus()
            }
            FormField {
                label: "介绍"
                placeholder: "介绍一下自己"
                text: view.controller.about
                onEdited: text => view.controller.about = text
                onAccepted: focusSink.forceActiveFocus()
            }
            Item {
                width: 1
                height: 6
            }
            NeonButton {
                label: "保存"
                onClicked: {
                    focusSink.forceActiveFocus()
                    view.controller.commit()
                }
            }
        }
    }

    PickerPanel {
        parent: view
        shown: view.controller.datePanelShown
        title: "出生日期"
        onCancelled: view.controller.cancelPickerView()
        onDone: view.controller.fininshedSelectBirthday()

        DateWheelRow {
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            wheels: view.controller.birthdayWheels
        }
    }
    PickerPanel {
        parent: view
        shown: view.controller.regionPanelShown
        title: view.controller.isEditingHomeTown ? "选择家乡" : "选择居住地"
        onCancelled: view.controller.cancelPickerView()
        onDone: view.controller.finishedSelectCity()

        RegionWheelRow {
            anchors.fill: parent
            wheels: view.controller.regionWheels
            onPicked: (row, component) => view.controller.regionWheels.pick(row, component)
        }
    }
}
