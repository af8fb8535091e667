import QtQuick
import Nuvora

// One user's timeline.
Screen {
    id: view

    required property UserActivityListViewController controller

    title: view.controller.title
    leftTitle: "返回"
    onLeftClicked: view.controller.back()

    FeedTable {
        anchors.fill: parent
        controller: view.controller
        emptyText: "还没有动态"
    }
}
