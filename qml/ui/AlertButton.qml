import QtQuick
import Nuvora

// One button of an alert or action sheet.
Rectangle {
    id: button

    required property string label
    property bool emphasized: false
    property bool destructive: false
    signal clicked

    implicitHeight: 44
    radius: 8
    color: tap.pressed ? Theme.separator : (emphasized ? "#33ff3ea5" : "transparent")
    border.color: destructive ? Theme.destructive : (emphasized ? Theme.accent : Theme.separator)
    border.width: 1

    PlainText {
        anchors.fill: parent
        anchors.leftMargin: 6
        anchors.rightMargin: 6
        text: button.label
        color: button.destructive ? Theme.destructive : Theme.text
        font.family: Theme.fontFamily
        font.pixelSize: Theme.titleFontSize
        font.bold: button.emphasized
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    ExclusiveTap {
        id: tap
        onTapped: button.clicked()
    }

    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: button.clicked()
}
