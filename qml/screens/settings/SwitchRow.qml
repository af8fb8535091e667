import QtQuick
import QtQuick.Controls
import Nuvora

// A row of a block of switches: the label and the switch, which reports each toggle.
Item {
    id: switchRow

    required property string label
    required property bool on
    property int row: 0
    property int rowCount: 1
    signal toggled(bool on)

    width: parent ? parent.width : 300
    height: 48

    JoinedRowBackground {
        anchors.fill: parent
        row: switchRow.row
        rowCount: switchRow.rowCount
    }

    PlainText {
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        text: switchRow.label
    }

    Switch {
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        checked: switchRow.on
        // The track of a switch that is on glows in the theme's accent.
        palette.dark: Theme.accent
        onToggled: switchRow.toggled(checked)
        Accessible.name: switchRow.label
    }
}
