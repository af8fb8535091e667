import QtQuick
import Nuvora

// The follows-and-fans screens' content: the tab bar above the shown tab's users.
Item {
    id: content

    required property BLKLoadMoreTableViewController controller
    required property TabbedQueries tabs
    property bool refreshable: true
    property bool editing: false
    signal rowSelected(int row)
    signal avatarTapped(int row)
    signal deleteTapped(int row)

    FilterBar {
        id: bar
        tabs: content.tabs
        refreshable: content.refreshable
        buttonWidth: 84
    }

    UserRowsTable {
        objectName: "userRowsTable"
        anchors.top: bar.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        controller: content.controller
        emptyText: content.tabs.emptyText
        editing: content.editing
        onRowSelected: row => content.rowSelected(row)
        onAvatarTapped: row => content.avatarTapped(row)
        onDeleteTapped: row => content.deleteTapped(row)
    }
}
