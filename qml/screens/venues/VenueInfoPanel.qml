import QtQuick
import Nuvora

// A one-line panel of a venue's page (its place, its telephone) with the way on at its
// right (the map, the call sheet), dimmed and inert when there is none.
ItemPanel {
    id: panel

    required property string text
    required property string label
    property string action
    property bool actionable: false
    signal clicked

    height: 36
    opacity: actionable ? 1 : 0.6
    Accessible.role: Accessible.Button
    Accessible.name: label + " " + text
    Accessible.onPressAction: if (panel.actionable) panel.clicked()

    PlainText {
        x: 12
        anchors.verticalCenter: parent.verticalCenter
        width: 230
        text: panel.text
        elide: Text.ElideRight
    }
    PlainText {
        anchors.right: parent.right
        anchors.rightMargin: 12
        anchors.verticalCenter: parent.verticalCenter
        text: panel.action
        color: Theme.accentCyan
        font.pixelSize: 13
        visible: panel.actionable && panel.action !== ""
    }
    ExclusiveTap {
        enabled: panel.actionable
        onTapped: panel.clicked()
    }
}
