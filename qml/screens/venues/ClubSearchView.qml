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
    // The hub's reminder pop-up rests above a picker panel that is shown.
    bottomBarHeight: view.controller.pickerShown ? 260 : 0

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

    PickerPanel {
        objectName: "popView"
        parent: view
        shown: view.controller.pickerShown
        title: "选择城市"
        onCancelled: view.controller.hidePicker()
        onDone: view.controller.finishedPicking()

        RegionWheelRow {
            anchors.fill: parent
            wheels: view.controller.wheels
            onPicked: (row, component) => view.controller.wheels.pick(row, component)
        }
    }
}
