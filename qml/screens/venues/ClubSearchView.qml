import QtQuick
import Nuvora

// The club search form: keywords, the city (a tap opens the two-column picker, which
// slides up from below the screen) and the search button.
Screen {
    id: view

    required property ClubSearchViewController controller

    title: "搜索夜店"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    // Takes the keyboard's focus away when the picker comes up.
    Item {
        id: focusSink
    }

    Connections {
        target: view.controller
        function onPickerShownChanged(): void {
            if (view.controller.pickerShown)
                focusSink.forceActiveFocus()
        }
    }

    Column {
        anchors.top: parent.top
        anchors.topMargin: 24
        anchors.horizontalCenter: parent.horizontalCenter
        width: 280
        spacing: 14

        FormField {
            id: keywordTextField
            label: "关键字"
            placeholder: "夜店名称、标签或地址"
            text: view.controller.keyword
            onEdited: text => view.controller.keyword = text
            onAccepted: view.controller.search()
        }

        FormField {
            id: cityField
            label: "城市"
            readOnly: true
            placeholder: "不限"
            text: view.controller.cityLabel
            onTapped: view.controller.pickValue()
        }

        NeonButton {
            label: "搜索"
            onClicked: view.controller.search()
        }
    }

    // Placed on the whole screen, not below the bar: shown, its bottom meets the screen's.
    Rectangle {
        id: popView
        objectName: "popView"
        parent: view
        z: 5
        y: view.controller.popViewY
        width: view.controller.popViewWidth
        height: view.controller.popViewHeight
        color: Theme.panelTop
        Behavior on y { NumberAnimation { duration: view.controller.slideMs } }

        // Presses on the panel stay on it.
        MouseArea {
            anchors.fill: parent
        }

        Rectangle {
            id: pickerBar
            width: parent.width
            height: 44
            color: Theme.panel

            PickerBarButton {
                anchors.left: parent.left
                anchors.leftMargin: 8
                label: "取消"
                onClicked: view.controller.hidePicker()
            }
            PlainText {
                anchors.centerIn: parent
                text: "选择城市"
                font.pixelSize: Theme.titleFontSize
                font.bold: true
            }
            PickerBarButton {
                anchors.right: parent.right
                anchors.rightMargin: 8
                label: "完成"
                onClicked: view.controller.finishedPicking()
            }
        }

        Row {
            id: pickerView
            anchors.top: pickerBar.bottom
            anchors.bottom: parent.bottom
            width: parent.width

            PlaceWheel {
                width: parent.width / 2
                model: view.controller.provinces
                selected: view.controller.selectedProvinceRow
                onPicked: row => view.controller.pickerViewDidSelectRow(
                              row, ClubSearchViewController.ProvinceComponent)
                Accessible.name: "省份"
            }
            PlaceWheel {
                width: parent.width / 2
                model: view.controller.cities
                selected: view.controller.selectedCityRow
                onPicked: row => view.controller.pickerViewDidSelectRow(
                              row, ClubSearchViewController.CityComponent)
                Accessible.name: "城市"
            }
        }
    }

    component PickerBarButton: Rectangle {
        id: button

        required property string label
        signal clicked

        anchors.verticalCenter: parent.verticalCenter
        width: 56
        height: 30
        radius: 6
        color: tap.pressed ? Theme.separator : "transparent"
        border.color: Theme.accentCyan
        border.width: 1
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.onPressAction: button.clicked()

        PlainText {
            anchors.centerIn: parent
            text: button.label
        }

        ExclusiveTap {
            id: tap
            onTapped: button.clicked()
        }
    }
}
