import QtQuick
import Nuvora

// The table of a list of users: one UserListCell per user. A row, its avatar and, in
// edit mode, its delete control report their row.
PagedList {
    id: table

    property bool editing: false
    signal rowSelected(int row)
    signal avatarTapped(int row)
    signal deleteTapped(int row)

    model: table.controller.records
    Accessible.name: "用户列表"

    delegate: UserListCell {
        id: row

        readonly property UserRowsTable table: row.ListView.view as UserRowsTable

        width: ListView.view.width
        editing: row.table.editing
        onClicked: row.table.rowSelected(row.index)
        onAvatarClicked: row.table.avatarTapped(row.index)
        onDeleteClicked: row.table.deleteTapped(row.index)
    }
}
