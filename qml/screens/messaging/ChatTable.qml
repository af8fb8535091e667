import QtQuick
import Nuvora

// The messages of a conversation as bubbles, oldest at the top, shown from the last
// row on. Asked to show the last row, it stays there while its height changes,
// until the user scrolls.
ListView {
    id: table

    property bool followsEnd: false
    signal avatarClicked

    function showLastRow(): void {
        table.followsEnd = true
        table.positionViewAtEnd()
    }

    clip: true
    boundsBehavior: Flickable.DragAndOvershootBounds
    cacheBuffer: 2000
    Accessible.role: Accessible.List
    Accessible.name: "消息列表"

    Component.onCompleted: table.showLastRow()
    onHeightChanged: if (table.followsEnd) table.positionViewAtEnd()
    onContentHeightChanged: if (table.followsEnd) table.positionViewAtEnd()
    onMovementStarted: table.followsEnd = false

    delegate: ChatCell {
        id: cell

        readonly property ChatTable table: cell.ListView.view as ChatTable

        width: ListView.view.width
        onAvatarClicked: cell.table.avatarClicked()
    }
}
