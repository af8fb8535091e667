import QtQuick
import Nuvora

// The background of a row in a block of rows drawn as one rounded panel: the first row
// has the top corners, the last the bottom ones, a lone row all four.
Item {
    id: background

    required property int row
    required property int rowCount
    readonly property bool first: background.row === 0
    readonly property bool last: background.row === background.rowCount - 1

    clip: true

    Rectangle {
        readonly property real hidden: panel.radius + 1

        id: panel
        y: background.first ? 0 : -panel.hidden
        width: parent.width
        height: parent.height + (background.first ? 0 : panel.hidden)
                + (background.last ? 0 : panel.hidden)
        radius: 8
        color: Theme.panel
        border.color: Theme.separator
        border.width: 1
    }
}
