import QtQuick
import Nuvora

// The user search form: the name, the three choices opened on a wheel in the panel that
// slides up from the bottom, the sort order, and the search button.
Screen {
    id: view

    required property UserSearchViewController controller

    title: "搜索用户"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    Connections {
        target: view.controller
        function onKeyboardDismissed() {
            form.forceActiveFocus()
        }
    }

    Column {
        id: form
        anchors.top: parent.top
        anchors.topMargin: 20
        anchors.horizontalCenter: parent.horizontalCenter
        width: 280
        spacing: 12
        focus: true

        FormField {
            objectName: "nameField"
            label: "昵称"
            placeholder: "输入要找的名字"
            text: view.controller.nickname
            onEdited: text => view.controller.nickname = text
            onAccepted: view.controller.search()
        }
        FormField {
            objectName: "genderChoice"
            label: "性别"
            text: view.controller.genderText
            readOnly: true
            onTapped: view.controller.pickValue(UserSearchViewController.GenderChoice)
        }
        FormField {
            objectName: "ageChoice"
            label: "年龄"
            text: view.controller.ageText
            readOnly: true
            onTapped: view.controller.pickValue(UserSearchViewController.AgeChoice)
        }
        FormField {
            objectName: "cityChoice"
            label: "地区"
            text: view.controller.cityText
            readOnly: true
            onTapped: view.controller.pickValue(UserSearchViewController.RegionChoice)
        }

        // The sort order: the picture shows the chosen half; each half is a button.
        Image {
            objectName: "sortImage"
            width: 280
            height: 40
            source: Theme.image(view.controller.sortImage)
            Accessible.role: Accessible.Graphic
            Accessible.name: view.controller.sort === "renqi" ? "按人气排序" : "按距离排序"
            Accessible.description: Accessible.name

            SortHalf {
                x: 0
                label: "按距离排序"
                onTapped: view.controller.sortBy(UserSearchViewController.SortNearbyTag)
            }
            SortHalf {
                x: parent.width / 2
                label: "按人气排序"
                onTapped: view.controller.sortBy(UserSearchViewController.SortTopTag)
            }
        }

        NeonButton {
            objectName: "searchButton"
            label: "搜索"
            onClicked: view.controller.search()
        }
    }

    component SortHalf: Item {
        id: half

        required property string label
        signal tapped

        width: 140
        height: 40
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.onPressAction: half.tapped()

        ExclusiveTap {
            onTapped: half.tapped()
        }
    }

    // Taps outside the shown panel close it without choosing.
    MouseArea {
        anchors.fill: parent
        enabled: view.controller.pickerShown
        visible: enabled
        onClicked: view.controller.hidePicker()
    }

    Rectangle {
        objectName: "pickerPanel"
        y: view.controller.pickerY - 44
        width: view.controller.pickerWidth
        height: view.controller.pickerHeight
        color: Theme.panelTop
        Behavior on y { NumberAnimation { duration: view.controller.pickerSlideMs } }

        // The panel takes its own presses; nothing of the form under it reacts.
        MouseArea {
            anchors.fill: parent
        }

        Rectangle {
            id: pickerBar
            width: parent.width
            height: 40
            color: Theme.panel

            PlainText {
                anchors.left: parent.left
                anchors.leftMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                text: "取消"
                color: Theme.textDim
                Accessible.role: Accessible.Button
                Accessible.name: "取消选择"
                Accessible.onPressAction: view.controller.hidePicker()

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -10
                    onClicked: view.controller.hidePicker()
                }
            }

            PlainText {
                objectName: "pickerDone"
                anchors.right: parent.right
                anchors.rightMargin: 16
                anchors.verticalCenter: parent.verticalCenter
                text: "完成"
                color: Theme.accentCyan
                font.bold: true
                Accessible.role: Accessible.Button
                Accessible.name: "完成选择"
                Accessible.onPressAction: view.controller.finishedPicking()

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -10
                    onClicked: view.controller.finishedPicking()
                }
            }
        }

        Row {
            anchors.top: pickerBar.bottom
            anchors.bottom: parent.bottom
            width: parent.width

            PlaceWheel {
                objectName: "firstWheel"
                width: view.controller.secondColumn.length > 0 ? parent.width / 2 : parent.width
                model: view.controller.firstColumn
                selected: view.controller.firstColumnRow
                onPicked: row => view.controller.pickerViewDidSelectRow(row, 0)
                Accessible.name: view.controller.selectedRow === UserSearchViewController.RegionChoice
                                 ? "省份" : "选项"
            }
            PlaceWheel {
                objectName: "secondWheel"
                visible: view.controller.secondColumn.length > 0
                width: parent.width / 2
                model: view.controller.secondColumn
                selected: view.controller.secondColumnRow
                onPicked: row => view.controller.pickerViewDidSelectRow(row, 1)
                Accessible.name: "城市"
            }
        }
    }
}
