import QtQuick
import Nuvora

// The users who like a club or a party, pulled down to refresh.
Screen {
    id: view

    required property FavorUserListViewController controller

    title: view.controller.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    UserRowsTable {
        objectName: "userRowsTable"
        anchors.fill: parent
        controller: view.controller
        emptyText: "还没有人喜欢"
        onRowSelected: row => view.controller.selectRow(row)
        onAvatarTapped: row => view.controller.cellAvatarButtonTapped(row)
    }
}
