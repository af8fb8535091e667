import QtQuick
import Nuvora

// A button of a list's filter bar, told apart by its tag; the selected tab is lit.
Rectangle {
    id: button

    required property string label
    required property int tag
    property bool selected: false
    signal clicked(int tag)

    objectName: "filter" + tag
    width: 60
    height: 34
    radius: 17
    color: selected ? Theme.accent : (tap.pressed ? Theme.separator : "transparent")
    border.color: selected ? Theme.accent : Theme.accentCyan
    border.width: 1
    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.checkable: true
    Accessible.checked: selected
    Accessible.onPressAction: button.clicked(button.tag)

    PlainText {
        anchors.centerIn: parent
        text: button.label
        font.pixelSize: 13
        font.bold: button.selected
    }

    ExclusiveTap {
        id: tap
        onTapped: button.clicked(button.tag)
    }
}
