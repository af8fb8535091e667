import QtQuick
import Nuvora

// The blocked users, loading more at the bottom; the turning edit button puts a delete
// control on every row. Rows open nothing.
Screen {
    id: view

    required property BlackListViewController controller

    title: "黑名单"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()
    rightTurn: view.controller.editor.editButton
    rightIcon: Theme.image("messagebox-edit.png")
    rightName: view.controller.editor.editing ? "完成" : "编辑"
    onRightClicked: view.controller.edit()

    UserRowsTable {
        objectName: "userRowsTable"
        anchors.fill: parent
        controller: view.controller
        emptyText: "黑名单是空的"
        editing: view.controller.editor.editing
        onDeleteTapped: row => view.controller.deleteRow(row)
    }
}
