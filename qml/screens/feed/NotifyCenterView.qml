pragma ComponentBehavior: Bound
import QtQuick
import Nuvora

// The reminders, newest first.
Screen {
    id: view

    required property NotifyCenterViewController controller

    title: "提醒"
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    PagedList {
        id: table
        anchors.fill: parent
        controller: view.controller
        model: view.controller.records
        emptyText: "还没有提醒"
        Accessible.name: "提醒列表"

        delegate: NotifyCenterCell {
            width: ListView.view.width
            list: table.controller as FeedListViewController
        }
    }
}
