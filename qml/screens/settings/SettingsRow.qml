import QtQuick
import Nuvora

// One entry of the settings page: a label, an optional detail on the right, and the
// arrow of a row that leads on. Rows of one block share a rounded panel.
Item {
    id: settingsRow

    required property string label
    property string detail
    property int row: 0
    property int rowCount: 1
    property bool destructive: false
    signal tapped

    width: parent ? parent.width : 300
    height: 44
    Accessible.role: Accessible.Button
    Accessible.name: settingsRow.detail.length > 0 ? settingsRow.label + " " + settingsRow.detail
                                                   : settingsRow.label
    Accessible.onPressAction: settingsRow.tapped()

    JoinedRowBackground {
        anchors.fill: parent
        row: settingsRow.row
        rowCount: settingsRow.rowCount
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: 1
        radius: 8
        color: Theme.panelTop
        visible: tap.pressed
    }

    PlainText {
        anchors.left: parent.left
        anchors.leftMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        text: settingsRow.label
        color: settingsRow.destructive ? Theme.destructive : Theme.text
    }

    PlainText {
        anchors.right: arrow.left
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        text: settingsRow.detail
        color: Theme.textDim
        font.pixelSize: 13
    }

    PlainText {
        id: arrow
        anchors.right: parent.right
        anchors.rightMargin: 14
        anchors.verticalCenter: parent.verticalCenter
        text: "›"
        color: Theme.textDim
        font.pixelSize: 18
    }

    Rectangle {
        x: 14
        width: parent.width - 28
        height: 1
        anchors.bottom: parent.bottom
        color: Theme.separator
        visible: settingsRow.row < settingsRow.rowCount - 1
    }

    ExclusiveTap {
        id: tap
        onTapped: settingsRow.tapped()
    }
}
