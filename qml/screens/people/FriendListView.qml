import QtQuick
import Nuvora

// The signed-in user's follows and fans, pulled down to refresh; the turning edit button
// (hidden while a page loads) puts a delete control on every row.
Screen {
    id: view

    required property FriendListViewController controller

    title: view.controller.shouldDirectChat ? "发起新会话" : view.controller.tabs.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    rightTurn: view.controller.loading ? null : view.controller.editor.editButton
    rightIcon: Theme.image("messagebox-edit.png")
    rightName: view.controller.editor.editing ? "完成" : "编辑"
    onRightClicked: view.controller.edit()

    FollowFansList {
        anchors.fill: parent
        controller: view.controller
        tabs: view.controller.tabs
        editing: view.controller.editor.editing
        onRowSelected: row => view.controller.selectRow(row)
        onAvatarTapped: row => view.controller.cellAvatarButtonTapped(row)
        onDeleteTapped: row => view.controller.deleteRow(row)
    }
}
